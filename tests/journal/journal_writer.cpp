// Appends COUNT entries to the journal at PATH, each naming WRITER and its
// number in the inputs; ends with 0 when every append succeeded.
#include <QCoreApplication>
#include <cstdio>

#include "journal/journal_file.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString writer = QString::fromLocal8Bit(argv[2]);
    const int count = QString::fromLocal8Bit(argv[3]).toInt();
    journal::JournalFile file(QString::fromLocal8Bit(argv[1]), std::chrono::milliseconds(30000));
    if (const journal::FileOutcome opened = file.open(); !opened.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.reason));
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        journal::Entry e;
        e.recordedAt = QDateTime::currentDateTime();
        e.page = QStringLiteral("density15");
        e.block = QStringLiteral("reduce15");
        e.standard = QStringLiteral("GOST R 50.2.076-2010");
        e.inputs = {{QStringLiteral("writer"), writer, QString::number(i), QString()}};
        e.status = QStringLiteral("ok");
        e.language = QStringLiteral("en");
        if (const journal::FileOutcome appended = file.append(e); !appended.ok()) {
            std::fprintf(stderr, "%d: %s\n", i, qPrintable(appended.reason));
            return 1;
        }
    }
    return 0;
}
