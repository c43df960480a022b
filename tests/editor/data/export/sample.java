/** Docs: a < b & "c" */
public class Ex {
    // {braces} and \backslash, café
    String s = "x<y && z>w {\\}";
    char c = '\'';
    int n = 0x1F + 42; #
}
