// Feeds arbitrary bytes to IniFile as an existing settings file, then reads and writes
// names taken from the input or from the file itself, and aborts when a write loses
// its value, touches more than the one line it owns, or disturbs another key.

#include "IniFile.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant violated: %s (line %d)\n", #condition, __LINE__);      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace {

const QString& iniPath()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Korvex.ini"));
    return path;
}

void putFile(const QByteArray& data)
{
    QFile file(iniPath());
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(data) == data.size());
}

QByteArray fileBytes()
{
    QFile file(iniPath());
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QString trimmed(const QString& text)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool sameName(const QString& a, const QString& b)
{
    return trimmed(a).compare(trimmed(b), Qt::CaseInsensitive) == 0;
}

// Lines with their line ends, so that joining them gives the file back.
QList<QByteArray> linesOf(const QByteArray& data)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype end = data.indexOf('\n', start);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        lines.append(data.mid(start, next - start));
        start = next;
    }
    return lines;
}

// Names as they appear in the file, to hit existing sections and keys more often than
// random text would.
QString nameFromFile(const QByteArray& data, char opening, char closing, uint pick)
{
    QList<QByteArray> names;
    for (const QByteArray& line : linesOf(data)) {
        const QByteArray text = line.trimmed();
        const qsizetype close = text.indexOf(closing);
        if (opening == 0 && close > 0 && !text.startsWith('[') && !text.startsWith(';'))
            names.append(text.left(close));
        else if (opening != 0 && text.startsWith(opening))
            names.append(text.mid(1, close < 0 ? -1 : close - 1));
    }
    if (names.isEmpty())
        return QStringLiteral("Nastaveni");
    const QByteArray& name = names[pick % names.size()];
    return pick & 0x100 ? QString::fromLatin1(name) : QString::fromUtf8(name);
}

// Changes confined to one line of the old file, plus a few new lines around it.
void checkOnlyOneLineChanged(const QByteArray& before, const QByteArray& after)
{
    const QList<QByteArray> oldLines = linesOf(before);
    const QList<QByteArray> newLines = linesOf(after);
    qsizetype prefix = 0;
    while (prefix < oldLines.size() && prefix < newLines.size() &&
           oldLines[prefix] == newLines[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < oldLines.size() - prefix && suffix < newLines.size() - prefix &&
           oldLines[oldLines.size() - 1 - suffix] == newLines[newLines.size() - 1 - suffix])
        ++suffix;
    FUZZ_CHECK(oldLines.size() - prefix - suffix <= 1);
    FUZZ_CHECK(newLines.size() - prefix - suffix <= 4);
    if (before.startsWith("\xEF\xBB\xBF"))
        FUZZ_CHECK(after.startsWith("\xEF\xBB\xBF"));
}

struct Names
{
    QString section;
    QString key;
};

Names namesFromFile(const QByteArray& file, uint mode)
{
    return {nameFromFile(file, '[', ']', mode), nameFromFile(file, 0, '=', mode >> 12)};
}

void checkReads(const IniFile& ini, const Names& names)
{
    const QString text = ini.readString(names.section, names.key);
    const int first = ini.readInteger(names.section, names.key, -1);
    const int second = ini.readInteger(names.section, names.key, -2);
    if (first == second) {
        bool ok = false;
        FUZZ_CHECK(text.toInt(&ok) == first && ok);
    }
}

void checkWrite(const IniFile& ini, const Names& target, const Names& other, const QString& value)
{
    const QByteArray before = fileBytes();
    const QString otherBefore = ini.readString(other.section, other.key);

    const Status status = ini.writeString(target.section, target.key, value);
    const QByteArray after = fileBytes();
    if (!status) {
        FUZZ_CHECK(!status.message().isEmpty());
        FUZZ_CHECK(after == before);
        return;
    }
    FUZZ_CHECK(!value.contains(u'\n') && !value.contains(u'\r'));
    FUZZ_CHECK(ini.readString(target.section, target.key) == trimmed(value));
    checkOnlyOneLineChanged(before, after);
    if (!sameName(target.section, other.section) || !sameName(target.key, other.key))
        FUZZ_CHECK(ini.readString(other.section, other.key) == otherBefore);

    FUZZ_CHECK(ini.writeString(target.section, target.key, value));
    FUZZ_CHECK(fileBytes() == after);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const uint mode = input.ConsumeIntegral<uint>();
    const Names random{QString::fromUtf8(input.ConsumeRandomLengthString(24)),
                       QString::fromUtf8(input.ConsumeRandomLengthString(24))};
    const QString value = QString::fromUtf8(input.ConsumeRandomLengthString(40));
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray file(rest.data(), qsizetype(rest.size()));
    putFile(file);

    const Names existing = namesFromFile(file, mode);
    const Names mixed{existing.section, random.key};
    const IniFile ini(iniPath());
    checkReads(ini, random);
    checkReads(ini, existing);
    checkWrite(ini, existing, random, value);
    checkWrite(ini, mode & 1 ? mixed : random, existing, value + QStringLiteral(" 2"));
    return 0;
}
