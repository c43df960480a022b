public class Thrower {
    static String text;

    public static void main(String[] args) {
        System.out.println("about to fail");
        System.out.println(text.length());
    }
}
