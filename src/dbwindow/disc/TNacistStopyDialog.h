#pragma once

#include "DiscReading.h"
#include "TVyberDialog.h"

#include <optional>

// Where the tracks of a carrier are read from: each optical drive with the
// state of its disc, a disc image or cue sheet, or a folder. A drive without
// a disc is struck through. The file and folder choosers answer through a
// seam, so that the flow can be driven without a modal window.
class TNacistStopyDialog final : public TVyberDialog
{
    Q_OBJECT

public:
    struct Source
    {
        enum class Kind
        {
            Drive,
            Image,
            Folder
        };
        Kind kind;
        QString path;
    };

    TNacistStopyDialog(HlavniSluzby& sluzby, const QList<disc::Drive>& drives,
                       QWidget* parent = nullptr);

    void ask() { TVyberDialog::ask(); }

    // The path the next file or folder chooser returns instead of opening;
    // an empty text stands for a chooser left with "Storno".
    static void setNextPath(std::optional<QString> path);

signals:
    void chosen(const TNacistStopyDialog::Source& source);

protected:
    void fillEntries() override;
    void choose(int entry) override;

private:
    static QStringList hintsFor(const QList<disc::Drive>& drives);
    static QString driveText(const disc::Drive& drive);
    QString choosePath(Source::Kind kind);

    QList<disc::Drive> m_drives;
};
