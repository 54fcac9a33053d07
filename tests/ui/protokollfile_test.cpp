// The recording file's bytes: Windows-1252, CR LF, appended.
#include "protokollfile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(ProtocolRecordFile, TextBecomesWindows1252) {
    struct Case {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {"TX: 01 AB ", "TX: 01 AB "},
        {QString::fromUtf8("Überhitzung 135°C äöüß"),
         "\xDC"
         "berhitzung 135\xB0"
         "C \xE4\xF6\xFC\xDF"},
        {QString::fromUtf8("€ „x“ – …"), "\x80 \x84x\x93 \x96 \x85"},
        {QString::fromUtf8("Ω 😀 \u0081"), "? ? ?"},  // not in the set
    };
    for (const Case& c : cases) EXPECT_EQ(toWindows1252(c.text), c.bytes) << c.text.toStdString();
}

TEST(ProtocolRecordFile, AppendsLinesWithCrLf) {
    QTemporaryDir dir;
    const QString name = dir.filePath("prot.txt");
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt\r\n");
    }
    ProtocolRecordFile file;
    ASSERT_TRUE(file.open(name));
    EXPECT_TRUE(file.isOpen());
    EXPECT_TRUE(file.writeLine(QString::fromUtf8("eins ä")));
    // Flushed line by line: the bytes are there before the file is closed.
    QFile check(name);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("alt\r\neins \xE4\r\n"));
    file.close();
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(file.writeLine("zu"));

    ProtocolRecordFile missing;
    EXPECT_FALSE(missing.open(dir.filePath("no/such/dir/prot.txt")));
    EXPECT_FALSE(missing.open(QString()));
}

}  // namespace
