class Three {
    int count() {
        int errors = missing;
        String s = 42;
        return errors + undefinedCall();
    }
}
