#pragma once

#include "DialogGuard.h"
#include "TBalloonDialog.h"

class QLabel;
class QWidget;
class TOfficeLabel;

// The built-in help: a balloon beside the assistant figure that shows either
// the list of the fourteen help topics or one topic with its heading, its text
// and an additional note under "Informace".
class TNapovedaDialog final : public TBalloonDialog
{
    Q_OBJECT

public:
    // The topic of the work in a database window.
    static constexpr int kDatabaseTopic = 6;

    explicit TNapovedaDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Help for the current operation (F1, the help menu item and the help
    // button): the database topic while a database window is active, the
    // topic list otherwise.
    void showForCurrentOperation();
    // The topic list beside the figure, as the welcome balloon asks for it.
    void showList();

    void setListMode();
    // A topic numbered 1-14 in list order; other numbers are ignored.
    void setTopic(int number);

    bool isListMode() const { return m_topic == 0; }
    // The topic shown, 0 in list mode.
    int topic() const { return m_topic; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The help indicator SBO8 stands while the balloon is up.
    DialogGuard m_guard;
    void createTexts();
    void createTopicList();
    void createCommands();
    QLabel* addLabel(const QString& name, const QRect& geometry, Qt::Alignment alignment);
    void addRule(int y);

    QLabel* m_heading = nullptr;
    QLabel* m_text = nullptr;
    QLabel* m_additional = nullptr;
    QWidget* m_topicList = nullptr;
    int m_topic = 0;
};
