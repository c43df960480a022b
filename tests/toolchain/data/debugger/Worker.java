public class Worker {
    static int done;

    public static void main(String[] args) throws Exception {
        Thread t = new Thread(() -> {
            done = 1;
        });
        t.start();
        t.join();
        System.out.println("done=" + done);
    }
}
