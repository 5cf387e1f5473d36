#include "NacteniStop.h"

#include "HlavniSluzby.h"
#include "TDotazPrepsatDialog.h"
#include "TNacitaniStopDialog.h"
#include "TZaznamEditor.h"

NacteniStop::NacteniStop(HlavniSluzby& sluzby, QObject* parent)
    : QObject(parent), m_sluzby(sluzby), m_drives(&disc::drives)
{
}

NacteniStop::~NacteniStop() = default;

void NacteniStop::start(TZaznamEditor* editor)
{
    if (!editor || !editor->isEditing())
        return;
    if (Status s = TrackFill::checkKind(editor->kindText()); !s)
        return fail(s);
    m_editor = editor;
    // A new chooser each time: drives and discs come and go.
    m_chooser = std::make_unique<TNacistStopyDialog>(m_sluzby, m_drives());
    connect(m_chooser.get(), &TNacistStopyDialog::chosen, this, &NacteniStop::read);
    m_chooser->ask();
}

void NacteniStop::read(const TNacistStopyDialog::Source& source)
{
    if (!m_editor)
        return;
    using Kind = TNacistStopyDialog::Source::Kind;
    const disc::FolderContent content = TrackFill::folderContentFor(m_editor->kindText());
    const QString path = source.path;
    TNacitaniStopDialog::Work work;
    switch (source.kind) {
    case Kind::Drive:
        work = [path](const disc::Progress& p) { return disc::readDrive(path, p); };
        break;
    case Kind::Image:
        work = [path](const disc::Progress& p) { return disc::readImage(path, p); };
        break;
    case Kind::Folder:
        work = [path, content](const disc::Progress& p) {
            return disc::readFolder(path, content, p);
        };
        break;
    }
    // The window frees itself when it closes.
    auto* progress = new TNacitaniStopDialog(m_sluzby);
    connect(progress, &TNacitaniStopDialog::done, this, &NacteniStop::readingDone);
    progress->read(std::move(work));
}

void NacteniStop::readingDone(const disc::Reading& reading)
{
    if (!m_editor || !m_editor->isEditing())
        return fail(Status::error(QStringLiteral("Záznam už není otevřen pro úpravy.")));
    m_pending = TrackFill::plan(m_editor->trackTexts(), reading);
    if (!m_pending.status)
        return fail(m_pending.status);
    if (m_pending.overwrites)
        ask();
    else
        fill();
}

// The question is made when first needed: the dialogs made at start-up stay
// those the program has always made.
void NacteniStop::ask()
{
    if (!m_question) {
        m_question = std::make_unique<TDotazPrepsatDialog>(m_sluzby);
        connect(m_question.get(), &TDotazPrepsatDialog::answered, this, &NacteniStop::answered);
    }
    m_question->ask();
}

void NacteniStop::answered(bool overwrite)
{
    if (overwrite)
        fill();
    else
        emit finished(false);
}

void NacteniStop::fill()
{
    if (!m_editor || !m_editor->isEditing())
        return fail(Status::error(QStringLiteral("Záznam už není otevřen pro úpravy.")));
    if (Status s = m_editor->fillTracks(m_pending.record); !s)
        return fail(s);
    if (!m_pending.notes.isEmpty())
        m_sluzby.reportError(Status::error(m_pending.notes.join(QLatin1Char('\n'))));
    emit finished(true);
}

void NacteniStop::fail(const Status& status)
{
    m_sluzby.reportError(status);
    emit finished(false);
}
