#include "CsvExport.h"

#include "CsvText.h"
#include "FieldCodec.h"
#include "TableScan.h"

#include <QIODevice>

namespace csvexport {
namespace {

constexpr qsizetype kBlock = 256 * 1024;

bool put(QIODevice* out, QByteArray* block)
{
    const bool ok = out->write(*block) == block->size();
    block->clear();
    return ok;
}

Status writeFailed(QIODevice* out)
{
    return Status::error(QStringLiteral("Soubor CSV nelze zapsat."), out->errorString());
}

} // namespace

Status write(const QStringList& header, const NextRecord& next, QIODevice* out, Options options,
             int* written)
{
    QByteArray block;
    if (options.byteOrderMark)
        block += "\xEF\xBB\xBF";
    block += csvtext::record(header).toUtf8() + "\r\n";
    int count = 0;
    QStringList values;
    while (next(&values)) {
        block += csvtext::record(values).toUtf8() + "\r\n";
        ++count;
        if (block.size() >= kBlock && !put(out, &block))
            return writeFailed(out);
    }
    if (!put(out, &block))
        return writeFailed(out);
    if (written)
        *written = count;
    return Status::ok();
}

Status write(TableScan& scan, QIODevice* out, Options options, int* written)
{
    if (!scan.status())
        return scan.status();
    const QList<FieldDef>& fields = scan.fields();
    QStringList header;
    for (const FieldDef& field : fields)
        header.append(field.name);
    scan.rewind();
    const auto next = [&scan, &fields](QStringList* values) {
        if (!scan.next())
            return false;
        values->resize(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            (*values)[i] = fieldcodec::toValueText(fields.at(i), scan.rawField(i), scan.codePage());
        return true;
    };
    return write(header, next, out, options, written);
}

} // namespace csvexport
