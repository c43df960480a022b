public class Hello {
    public static void main(String[] args) {
        String name = "world";
        System.out.println("Hello, " + name);
        System.out.println(greeting);
    }
}
