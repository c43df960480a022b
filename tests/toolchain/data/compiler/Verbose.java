class Verbose {
    void f() {
        undefined();
    }
}
