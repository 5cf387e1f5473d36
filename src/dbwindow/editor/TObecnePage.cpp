#include "TObecnePage.h"

#include "DialogLook.h"
#include "EditorParts.h"
#include "TDatumEdit.h"
#include "TPoznamkaEdit.h"
#include "TZaplneni.h"
#include "TableLayout.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace editorparts;

namespace {

constexpr int kFieldX = 100; // where the editors begin
constexpr int kFieldWidth = 395;

} // namespace

TObecnePage::TObecnePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    createNames();
    createGenreAndTotal();
    createDateAndNote();
    m_fill = new TZaplneni(this);
    m_fill->move(6, 154);
}

void TObecnePage::createNames()
{
    caption(this, QStringLiteral("Název :"), 8, 8);
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("J1"));
    m_title->setMaxLength(50);
    m_title->setGeometry(kFieldX, 8, kFieldWidth, kEditorHeight);
    setHint(m_title, QStringLiteral("Název"));

    m_performerLabel =
        caption(this, QStringLiteral("Interpret :"), 8, 32, QStringLiteral("Label12"));
    m_performer = new QLineEdit(this);
    m_performer->setObjectName(QStringLiteral("I1"));
    m_performer->setMaxLength(50);
    m_performer->setGeometry(kFieldX, 32, kFieldWidth, kEditorHeight);
    setHint(m_performer, QStringLiteral("Interpret"));
}

void TObecnePage::createGenreAndTotal()
{
    m_genreLabel = caption(this, QStringLiteral("Žánr :"), 8, 56, QStringLiteral("Label38"));
    m_genre = listEditor(this, QStringLiteral("F1"),
                         layouts::genres() + QStringList{QStringLiteral(" ")});
    m_genre->setGeometry(kFieldX, 56, 170, kEditorHeight);
    setHint(m_genre, QStringLiteral("Hudební žánr"));

    QLabel* label = caption(this, QStringLiteral("Celková délka :"), 300, 56);
    // Only the save command writes the total, and thirty tracks may add up to
    // more than the five characters a typed value is held to.
    m_total = numberEditor(this, QStringLiteral("S1"), 32767);
    m_total->setReadOnly(true);
    m_total->setGeometry(rightOf(label, 4), 56, 56, kEditorHeight);
    setHint(m_total, QStringLiteral("Celková délka"));
    m_totalUnit = caption(this, QString(), rightOf(m_total, 4), 56, QStringLiteral("Label3"));
    m_totalUnit->resize(30, m_totalUnit->height());
}

void TObecnePage::createDateAndNote()
{
    caption(this, QStringLiteral("Datum pořízení :"), 8, 80);
    m_acquired = new TDatumEdit(this);
    m_acquired->setObjectName(QStringLiteral("D2"));
    m_acquired->setGeometry(kFieldX, 80, qMax(110, m_acquired->sizeHint().width()), kEditorHeight);
    setHint(m_acquired, QStringLiteral("Datum pořízení"));

    caption(this, QStringLiteral("Poznámka :"), 8, 104);
    m_note = new TPoznamkaEdit(this);
    m_note->setObjectName(QStringLiteral("P1"));
    m_note->setGeometry(kFieldX, 104, kFieldWidth, 44);
    m_note->setTabChangesFocus(true);
    setHint(m_note, QStringLiteral("Poznámka"));
}
