public class Tight {
    static int i;

    public static void main(String[] args) {
        for (i = 0; i < 8; i++) {
            System.out.println("i=" + i);
        }
    }
}
