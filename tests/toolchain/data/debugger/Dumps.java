public class Dumps {
    static int count = 3;
    static String name = "Ada";
    static Point origin = new Point(3, 4);
    static int[] arr = {1, 2, 3};

    static class Point {
        int x, y;
        Point(int x, int y) { this.x = x; this.y = y; }
    }

    static int twice(int v) {
        int r = v * 2;
        return r;
    }

    public static void main(String[] args) {
        int total = twice(count);
        System.out.println("total=" + total);
    }
}
