// Turns the Markdown manual into a PDF: markdown-to-pdf INPUT.md OUTPUT.pdf
// Runs on the offscreen platform, so a build machine needs no display.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace {
int Fail(const QString& text) {
    std::fprintf(stderr, "markdown-to-pdf: %s\n", qPrintable(text));
    return 1;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3)
        return Fail("usage: markdown-to-pdf INPUT.md OUTPUT.pdf");
    QFile input(arguments[1]);
    if (!input.open(QIODevice::ReadOnly))
        return Fail(QString("cannot read %1: %2").arg(arguments[1], input.errorString()));
    const QString markdown = QString::fromUtf8(input.readAll());

    // Written beside the target first, so that a failed run leaves no half manual behind.
    const QString output = arguments[2];
    const QString partial = output + ".part";
    {
        QPdfWriter writer(partial);
        writer.setTitle(QFileInfo(output).completeBaseName());
        writer.setCreator("Trackmoth");
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        QTextDocument document;
        document.setDefaultFont(QFont("DejaVu Sans", 10));
        document.setMarkdown(markdown);
        document.print(&writer);
    }
    if (QFileInfo(partial).size() == 0)
        return Fail("cannot write " + partial);
    QFile::remove(output);
    if (!QFile::rename(partial, output))
        return Fail("cannot write " + output);
    return 0;
}
