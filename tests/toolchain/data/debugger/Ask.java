import java.util.Scanner;

public class Ask {
    static String name = "nobody";

    public static void main(String[] args) {
        Scanner in = new Scanner(System.in);
        System.out.print("Name: ");
        name = in.nextLine();
        System.out.println("Hello " + name);
    }
}
