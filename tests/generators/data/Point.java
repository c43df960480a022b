class Point {
  private int x;
  private int y;

  public Point(int startX,int startY) {
   x = startX;
   y = startY;
  }

  public int findX() {
    return x;
  }

  public int findY() {
    return y;
  }

  public void setY(int newY) {
    y = newY;
  }

  public String toString() {
    return "Point - "+" x: "+x+" y: "+y;
  }
}