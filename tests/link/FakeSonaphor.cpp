// Stands in for Sonaphor in the tests: FakeSonaphor SERVERNAME OUTFILE listens under
// SERVERNAME, writes the first message it receives to OUTFILE and ends. It gives up after
// 30 seconds, so that a failed test leaves nothing running.
#include "TCompanionReceiver.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTimer>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        return 2;
    TCompanionReceiver receiver(arguments[1]);
    if (!receiver.Listening())
        return 3;
    QObject::connect(&receiver, &TCompanionReceiver::MessageReceived, &app, [&](const QByteArray& message) {
        QSaveFile out(arguments[2]); // appears whole or not at all
        if (out.open(QIODevice::WriteOnly)) {
            out.write(message);
            out.commit();
        }
        app.quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}
