// svg-to-png ICON.svg SIZE OUT.png: renders the program's icon at SIZE x SIZE pixels for the
// hicolor theme. Qt's SVG image plugin does the drawing, so no other tool is needed at build time.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: svg-to-png ICON.svg SIZE OUT.png\n");
        return 2;
    }
    const int size = QString(argv[2]).toInt();
    if (size <= 0 || size > 4096) {
        std::fprintf(stderr, "svg-to-png: bad size \"%s\"\n", argv[2]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "svg");
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
        // Most often Qt's SVG plugin (Debian package libqt6svg6) is missing.
        std::fprintf(stderr, "svg-to-png: cannot render %s: %s\n", argv[1],
                     qPrintable(reader.errorString()));
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "png")) {
        std::fprintf(stderr, "svg-to-png: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
