class Warn {
    @SuppressWarnings("unused")
    Integer boxed() {
        int year = new java.util.Date().getYear();
        return new Integer(year);
    }
}
