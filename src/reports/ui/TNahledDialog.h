#pragma once

#include "TPopiskyDialog.h"
#include "TSestavyBublina.h"

#include <QHash>

#include <functional>

// The report chooser: opened for preview or for print on the database window
// in front, it offers the report families and hands the slot, the carrier
// kind and the mode to the dialog of the family chosen. A family whose dialog
// is not there is not offered.
class TNahledDialog final : public TSestavyBublina
{
    Q_OBJECT

public:
    enum class Mode
    {
        Preview,
        Print
    };
    using SecondLevel = std::function<void(const SestavaRequest&, const QPoint&)>;
    using KindChoice = std::function<QString()>;

    explicit TNahledDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // The dialog that opens for an item ("OfficeLabel3") and the widget it is
    // (so that the chooser can stand beneath it).
    void setSecondLevel(const QString& item, SecondLevel open, QWidget* dialog = nullptr);
    // The item is no longer offered.
    void removeSecondLevel(const QString& item) { m_secondLevels.remove(item); }
    // The ticked item of the main window's kind filter ("NO2").
    void setKindChoice(KindChoice kindChoice) { m_kindChoice = std::move(kindChoice); }

    // Opens for the database window of `slot` whose record is of `kind`; a
    // slot outside 1-4 leaves slot and kind as they were.
    void open(Mode mode, int slot, const QString& kind);

    const QString& slot() const { return m_slot; }
    const QString& kind() const { return m_kind; }
    QChar mode() const;

    // Where the dialog of `item` opens beside a chooser at `chooser`.
    static QPoint secondLevelPosition(const QString& item, const QPoint& chooser);

protected:
    void choose(const QString& item) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyAvailability();

    QString m_slot;
    QString m_kind;
    QHash<QString, SecondLevel> m_secondLevels;
    KindChoice m_kindChoice;
};
