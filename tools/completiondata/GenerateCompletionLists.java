// Writes the member lists of the completion popup (data/completion): one
// <SimpleName>.cmp per class of a list of qualified names, and toc.cmp
// naming them all. Run with the kit whose classes are listed:
//
//   <kit>/bin/java GenerateCompletionLists.java classes.txt ../../data/completion
//
// A list file holds one member a line (CR LF), sorted by name: the public
// fields and methods of the class, inherited ones (Object's too) included;
// no constructors, bridge methods or members deprecated for removal; static
// kept as the only modifier; types by their simple names without type
// arguments (a comma inside would split the parameter hint); varargs as
// Type...; parameter names taken from the kit's lib/src.zip, else the types
// alone. The same kit and list give the same files on every run.

import java.io.IOException;
import java.lang.reflect.Field;
import java.lang.reflect.GenericArrayType;
import java.lang.reflect.Member;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.lang.reflect.ParameterizedType;
import java.lang.reflect.Type;
import java.lang.reflect.TypeVariable;
import java.lang.reflect.WildcardType;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.TreeMap;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;

public class GenerateCompletionLists {

    public static void main(String[] args) throws Exception {
        if (args.length != 2) {
            System.err.println("usage: java GenerateCompletionLists.java <classes.txt> <output folder>");
            System.exit(2);
        }
        Map<String, String> bySimpleName = new TreeMap<>();
        for (String raw : Files.readAllLines(Path.of(args[0]), StandardCharsets.UTF_8)) {
            String name = raw.trim();
            if (name.isEmpty() || name.startsWith("#"))
                continue;
            String simple = name.substring(name.lastIndexOf('.') + 1);
            String other = bySimpleName.putIfAbsent(simple, name);
            if (other != null) {
                System.err.println("Two classes are named " + simple + ": " + other + " and " + name
                        + "; their list files would be one (" + simple + ".cmp).");
                System.exit(1);
            }
        }
        Path srcZip = Path.of(System.getProperty("java.home"), "lib", "src.zip");
        Sources sources = Files.isRegularFile(srcZip) ? new Sources(srcZip) : null;
        if (sources == null)
            System.err.println("No " + srcZip + ": parameters are written as their types alone.");
        Path out = Path.of(args[1]);
        Files.createDirectories(out);
        for (Map.Entry<String, String> e : bySimpleName.entrySet()) {
            Class<?> c = Class.forName(e.getValue(), false, ClassLoader.getSystemClassLoader());
            write(out.resolve(e.getKey() + ".cmp"), memberLines(c, sources));
        }
        write(out.resolve("toc.cmp"), new ArrayList<>(bySimpleName.keySet()));
        System.out.println(bySimpleName.size() + " classes written to " + out + " by Java "
                + System.getProperty("java.version") + " (" + System.getProperty("java.vendor") + ")");
    }

    static void write(Path path, List<String> lines) throws IOException {
        StringBuilder text = new StringBuilder();
        for (String line : lines)
            text.append(line).append("\r\n");
        Files.write(path, text.toString().getBytes(StandardCharsets.UTF_8));
    }

    static boolean forRemoval(java.lang.reflect.AnnotatedElement element) {
        Deprecated d = element.getAnnotation(Deprecated.class);
        return d != null && d.forRemoval();
    }

    // One line per member, sorted by name and then by text.
    static List<String> memberLines(Class<?> c, Sources sources) {
        List<String[]> members = new ArrayList<>(); // {name, line}
        for (Field f : c.getFields()) {
            if (forRemoval(f) || f.isSynthetic())
                continue;
            members.add(new String[] {f.getName(), modifiers(f) + typeName(f.getGenericType()) + " " + f.getName()});
        }
        for (Method m : methods(c)) {
            String[] names = sources == null ? null : sources.parameterNames(m);
            Type[] types = m.getGenericParameterTypes();
            StringBuilder params = new StringBuilder();
            for (int i = 0; i < types.length; i++) {
                if (i > 0)
                    params.append(", ");
                String type = typeName(types[i]);
                if (m.isVarArgs() && i == types.length - 1 && type.endsWith("[]"))
                    type = type.substring(0, type.length() - 2) + "...";
                params.append(type);
                if (names != null)
                    params.append(' ').append(names[i]);
            }
            members.add(new String[] {m.getName(),
                    modifiers(m) + typeName(m.getGenericReturnType()) + " " + m.getName() + "(" + params + ")"});
        }
        members.sort(Comparator.<String[], String>comparing(a -> a[0]).thenComparing(a -> a[1]));
        List<String> lines = new ArrayList<>();
        for (String[] member : members)
            if (lines.isEmpty() || !lines.get(lines.size() - 1).equals(member[1]))
                lines.add(member[1]);
        return lines;
    }

    static String modifiers(Member m) {
        return Modifier.isStatic(m.getModifiers()) ? "static " : "";
    }

    // The public methods, inherited ones included (an interface's too get
    // Object's); of methods with one signature the most derived one.
    static List<Method> methods(Class<?> c) {
        List<Method> all = new ArrayList<>(Arrays.asList(c.getMethods()));
        if (c.isInterface())
            all.addAll(Arrays.asList(Object.class.getMethods()));
        all.sort(Comparator.comparing(Method::toGenericString));
        Map<String, Method> bySignature = new LinkedHashMap<>();
        for (Method m : all) {
            if (m.isBridge() || m.isSynthetic() || forRemoval(m))
                continue;
            String key = m.getName() + Arrays.toString(m.getParameterTypes());
            Method kept = bySignature.get(key);
            if (kept == null || (kept.getDeclaringClass() != m.getDeclaringClass()
                    && kept.getDeclaringClass().isAssignableFrom(m.getDeclaringClass())))
                bySignature.put(key, m);
        }
        return new ArrayList<>(bySignature.values());
    }

    // Simple names without type arguments: Map.Entry, List, T[], int.
    static String typeName(Type t) {
        if (t instanceof Class<?> c) {
            if (c.isArray())
                return typeName(c.getComponentType()) + "[]";
            if (c.isPrimitive())
                return c.getName();
            String name = c.getName();
            if (c.getPackageName().length() > 0)
                name = name.substring(c.getPackageName().length() + 1);
            return name.replace('$', '.');
        }
        if (t instanceof ParameterizedType p)
            return typeName(p.getRawType());
        if (t instanceof GenericArrayType g)
            return typeName(g.getGenericComponentType()) + "[]";
        if (t instanceof TypeVariable<?> v)
            return v.getName();
        if (t instanceof WildcardType)
            return "?";
        return t.getTypeName();
    }

    // The kit's sources, for the names of parameters.
    static final class Sources {
        private final ZipFile zip;
        private final Map<String, ZipEntry> entries = new HashMap<>(); // java/lang/String.java -> entry
        private final Map<String, String> cleaned = new HashMap<>();

        Sources(Path path) throws IOException {
            zip = new ZipFile(path.toFile());
            zip.stream().filter(e -> e.getName().endsWith(".java")).forEach(e -> {
                String name = e.getName();
                entries.putIfAbsent(name.substring(name.indexOf('/') + 1), e);
            });
        }

        String[] parameterNames(Method m) {
            Type[] types = m.getGenericParameterTypes();
            String text = source(m.getDeclaringClass());
            if (text == null)
                return null;
            List<String> expected = new ArrayList<>();
            for (int i = 0; i < types.length; i++)
                expected.add(normalized(typeName(types[i])));
            Matcher head = Pattern.compile("\\b" + Pattern.quote(m.getName()) + "\\s*\\(").matcher(text);
            while (head.find()) {
                int open = head.end() - 1;
                int close = matching(text, open);
                if (close < 0)
                    continue;
                String after = text.substring(close + 1).stripLeading();
                if (!(after.startsWith("{") || after.startsWith(";") || after.startsWith("throws")))
                    continue;
                List<String> params = splitTopLevel(text.substring(open + 1, close));
                if (params.size() != types.length)
                    continue;
                String[] names = new String[params.size()];
                boolean matches = true;
                for (int i = 0; i < params.size() && matches; i++) {
                    String p = params.get(i).replaceAll("@[\\w.]+(\\s*\\([^)]*\\))?", " ")
                            .replaceAll("\\bfinal\\b", " ").trim();
                    Matcher last = Pattern.compile("(\\w+)\\s*$").matcher(p);
                    if (!last.find()) {
                        matches = false;
                        break;
                    }
                    names[i] = last.group(1);
                    String type = p.substring(0, last.start()).trim();
                    matches = !type.isEmpty() && normalized(type).equals(expected.get(i));
                }
                if (matches)
                    return names;
            }
            return null;
        }

        private String source(Class<?> c) {
            while (c.getEnclosingClass() != null)
                c = c.getEnclosingClass();
            String path = c.getName().replace('.', '/') + ".java";
            return cleaned.computeIfAbsent(path, p -> {
                ZipEntry e = entries.get(p);
                if (e == null)
                    return null;
                try {
                    return withoutCommentsAndStrings(new String(zip.getInputStream(e).readAllBytes(), StandardCharsets.UTF_8));
                } catch (IOException ex) {
                    return null;
                }
            });
        }

        // A type as compared: no type arguments, annotations or blanks, the
        // last part of a qualified name, varargs as an array.
        static String normalized(String type) {
            StringBuilder out = new StringBuilder();
            int depth = 0;
            for (char ch : type.toCharArray()) {
                if (ch == '<')
                    depth++;
                else if (ch == '>')
                    depth--;
                else if (depth == 0 && !Character.isWhitespace(ch))
                    out.append(ch);
            }
            String s = out.toString().replace("...", "[]");
            int dims = s.indexOf('[');
            String base = dims < 0 ? s : s.substring(0, dims);
            String suffix = dims < 0 ? "" : s.substring(dims);
            return base.substring(base.lastIndexOf('.') + 1) + suffix;
        }

        static int matching(String text, int open) {
            int depth = 0;
            for (int i = open; i < text.length(); i++) {
                char ch = text.charAt(i);
                if (ch == '(')
                    depth++;
                else if (ch == ')' && --depth == 0)
                    return i;
            }
            return -1;
        }

        static List<String> splitTopLevel(String params) {
            List<String> out = new ArrayList<>();
            if (params.isBlank())
                return out;
            int depth = 0, start = 0;
            for (int i = 0; i < params.length(); i++) {
                char ch = params.charAt(i);
                if (ch == '<' || ch == '(' || ch == '[')
                    depth++;
                else if (ch == '>' || ch == ')' || ch == ']')
                    depth--;
                else if (ch == ',' && depth == 0) {
                    out.add(params.substring(start, i));
                    start = i + 1;
                }
            }
            out.add(params.substring(start));
            return out;
        }

        // Comments, strings, character literals and text blocks become blanks.
        static String withoutCommentsAndStrings(String s) {
            StringBuilder out = new StringBuilder(s.length());
            int i = 0, n = s.length();
            while (i < n) {
                char ch = s.charAt(i);
                if (ch == '/' && i + 1 < n && s.charAt(i + 1) == '/') {
                    while (i < n && s.charAt(i) != '\n')
                        i++;
                } else if (ch == '/' && i + 1 < n && s.charAt(i + 1) == '*') {
                    int end = s.indexOf("*/", i + 2);
                    i = end < 0 ? n : end + 2;
                    out.append(' ');
                } else if (s.startsWith("\"\"\"", i)) {
                    int end = i + 3;
                    while (end < n && !s.startsWith("\"\"\"", end))
                        end += s.charAt(end) == '\\' ? 2 : 1;
                    i = Math.min(n, end + 3);
                    out.append("\"\"");
                } else if (ch == '"' || ch == '\'') {
                    int end = i + 1;
                    while (end < n && s.charAt(end) != ch && s.charAt(end) != '\n')
                        end += s.charAt(end) == '\\' ? 2 : 1;
                    i = Math.min(n, end + 1);
                    out.append(ch).append(ch);
                } else {
                    out.append(ch);
                    i++;
                }
            }
            return out.toString();
        }
    }
}
