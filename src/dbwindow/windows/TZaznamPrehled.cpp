#include "TZaznamPrehled.h"

#include "CarrierKind.h"
#include "DialogLook.h"
#include "TTable.h"

#include <QFormLayout>
#include <QLabel>

const QList<QPair<QString, QString>>& TZaznamPrehled::fields()
{
    static const QList<QPair<QString, QString>> list{{"CISLO", "Evidenční číslo :"},
                                                     {"DRUH", "Druh nosiče :"},
                                                     {"NAZEV", "Název :"},
                                                     {"INTERPRET", "Interpret :"},
                                                     {"ZANR", "Žánr :"},
                                                     {"DELKA", "Délka nosiče :"},
                                                     {"CELKEM", "Celková délka :"},
                                                     {"DATUM1", "Datum pořízení :"},
                                                     {"POZNAMKA", "Poznámka :"},
                                                     {"DATUM", "Datum poslední aktualizace :"}};
    return list;
}

TZaznamPrehled::TZaznamPrehled(TTable* table, QWidget* parent) : QWidget(parent), m_table(table)
{
    setObjectName(QStringLiteral("ZaznamPrehled"));
    setFont(classicFont());
    auto* form = new QFormLayout(this);
    form->setContentsMargins(16, 16, 16, 16);
    form->setLabelAlignment(Qt::AlignRight);
    for (const auto& [field, caption] : fields()) {
        auto* value = new QLabel(this);
        value->setObjectName(field);
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(caption, value);
        m_values.insert(field, value);
    }
    if (table) {
        connect(table, &TTable::cursorMoved, this, &TZaznamPrehled::refresh);
        connect(table, &TTable::recordChanged, this, &TZaznamPrehled::refresh);
        connect(table, &TTable::stateChanged, this, &TZaznamPrehled::refresh);
    }
    refresh();
}

QString TZaznamPrehled::shownText(const QString& field) const
{
    const QLabel* value = m_values.value(field);
    return value ? value->text() : QString();
}

void TZaznamPrehled::refresh()
{
    const bool record = m_table && m_table->isActive() && !m_table->isEmpty();
    const QString kind = record ? m_table->fieldText(QStringLiteral("DRUH")) : QString();
    for (auto it = m_values.begin(); it != m_values.end(); ++it) {
        const bool shown = record && m_table->hasField(it.key());
        it.value()->setText(shown ? carrierkind::shownValue(kind, it.key(),
                                                            m_table->fieldText(it.key()),
                                                            m_table->locale())
                                  : QString());
    }
}
