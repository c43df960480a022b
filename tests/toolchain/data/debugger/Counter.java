public class Counter {
    static int count;

    public static void main(String[] args) {
        count++;
        System.out.println("count=" + count);
    }
}
