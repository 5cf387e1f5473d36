// The figure and its balloons on a real X server, under a window manager that
// frames windows late: it takes each window into an empty 1 x 1 frame, as
// managers do between taking a window in and decorating it. Balloons placed
// meanwhile must still meet the figure.

#include "BalloonRule.h"
#include "TPomocnikDialog.h"

#include <QTemporaryDir>
#include <QTest>

#include <X11/Xlib.h>

#include <map>

namespace {

// A window manager that only frames: a window asking to be mapped goes into a
// 1 x 1 frame at its position, and the frame is never grown. A window that
// withdraws leaves its frame.
class LateFrames final
{
public:
    LateFrames() : m_display(XOpenDisplay(nullptr))
    {
        if (!m_display)
            return;
        XSelectInput(m_display, DefaultRootWindow(m_display),
                     SubstructureRedirectMask | SubstructureNotifyMask);
        XSync(m_display, False);
    }
    ~LateFrames()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    LateFrames(const LateFrames&) = delete;
    LateFrames& operator=(const LateFrames&) = delete;

    bool isRunning() const { return m_display != nullptr; }

    // Answers the requests that came in, then lets the program take the news.
    void settle()
    {
        for (int round = 0; round < 5; ++round) {
            XSync(m_display, False);
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == MapRequest)
                    frame(event.xmaprequest.window);
                else if (event.type == UnmapNotify && event.xunmap.send_event)
                    unframe(event.xunmap.window);
            }
            QTest::qWait(20);
        }
    }

private:
    void frame(Window client)
    {
        XWindowAttributes at;
        XGetWindowAttributes(m_display, client, &at);
        const Window frame =
            XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), at.x, at.y, 1, 1, 0, 0, 0);
        XReparentWindow(m_display, client, frame, 0, 0);
        XMapWindow(m_display, client);
        XMapWindow(m_display, frame);
        m_frames[client] = frame;
        // Managers tell a window they took in where it stands on the screen.
        XEvent notice{};
        notice.xconfigure.type = ConfigureNotify;
        notice.xconfigure.event = client;
        notice.xconfigure.window = client;
        notice.xconfigure.x = at.x;
        notice.xconfigure.y = at.y;
        notice.xconfigure.width = at.width;
        notice.xconfigure.height = at.height;
        XSendEvent(m_display, client, False, StructureNotifyMask, &notice);
    }

    void unframe(Window client)
    {
        const auto framed = m_frames.find(client);
        if (framed == m_frames.end())
            return;
        XWindowAttributes at;
        XGetWindowAttributes(m_display, framed->second, &at);
        XReparentWindow(m_display, client, DefaultRootWindow(m_display), at.x, at.y);
        XDestroyWindow(m_display, framed->second);
        m_frames.erase(framed);
    }

    Display* m_display;
    std::map<Window, Window> m_frames;
};

constexpr QSize kQuestion{320, 118};

} // namespace

class TestFigureFrame : public QObject
{
    Q_OBJECT

private slots:
    void balloonsMeetTheFigureWhileItsFrameIsLate();
};

void TestFigureFrame::balloonsMeetTheFigureWhileItsFrameIsLate()
{
    LateFrames manager;
    QVERIFY(manager.isRunning());
    QTemporaryDir program;
    TPomocnikDialog figure(program.path());
    const QRect home = figure.standing();
    const QPoint besideHome(home.left() - kQuestion.width() + BalloonRule::side().tail,
                            home.bottom() + 1 - kQuestion.height());

    // The chooser shows the figure; a question follows while its frame is empty.
    figure.placeBalloon(BalloonRule::upper(), QSize(300, 223));
    figure.show();
    manager.settle();
    QCOMPARE(figure.placeBalloon(BalloonRule::side(), kQuestion), besideHome);
    QCOMPARE(figure.standing(), home);

    // The user closes the figure; the next question shows it again beside it.
    figure.hide();
    manager.settle();
    QCOMPARE(figure.placeBalloon(BalloonRule::side(), kQuestion), besideHome);
    QCOMPARE(figure.standing(), home);
}

QTEST_MAIN(TestFigureFrame)
#include "test_figureframe.moc"
