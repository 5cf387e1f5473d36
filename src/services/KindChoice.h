#pragma once

#include <QObject>
#include <QString>

// The two choices of the Nástroje menu as the windows follow them: the ticked
// carrier kind ("N0" all kinds, "NO1" ... "NO5" one kind) with a signal when
// another is ticked, and the ticked genre of the alphabetical list ("D0" all
// genres, "DR1" ... "DR29" one genre). The main window ticks; the search and
// report windows listen and read.
class KindChoice final : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* kAll = "N0";
    static constexpr const char* kAllGenres = "D0";

    explicit KindChoice(QObject* parent = nullptr);

    QString item() const { return m_item; }
    // Ticking the ticked item again tells nobody.
    void setItem(const QString& item);

    QString genreItem() const { return m_genre; }
    void setGenreItem(const QString& item) { m_genre = item; }

    // The filter a carrier table gets for a kind item: "DRUH <> ' '" for all
    // kinds, "DRUH = 'LP'" for one; empty for an unknown item.
    static QString filterOf(const QString& item);
    QString filter() const { return filterOf(m_item); }
    // The kind a carrier must be of, empty for all kinds.
    static QString kindOf(const QString& item);
    QString kind() const { return kindOf(m_item); }
    // Data and MP3 CDs are listed without performer and genre.
    bool withoutPerformer() const;

    // The genre a carrier must be of, empty for all genres ("DR26": "Rock").
    static QString genreOf(const QString& item);
    QString genre() const { return genreOf(m_genre); }

signals:
    void changed(const QString& item);

private:
    QString m_item = QString::fromLatin1(kAll);
    QString m_genre = QString::fromLatin1(kAllGenres);
};
