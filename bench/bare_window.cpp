// SPDX-License-Identifier: MIT
// The least a Qt Widgets program does to show a main window: a menu bar, a status bar and an
// empty central widget, shown maximized like the calculator's window, ending after its first
// paint. bench/compare.sh times the calculator's start against this.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace {

// As the calculator's --paint-once: the first paint of any widget ends the program once that
// paint is done, with exit() so that no window is asked to close.
class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            painted_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ExitAfterFirstPaint exiter;
    application.installEventFilter(&exiter);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    for (const char* title : {"&File", "&Calibration", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    window.showMaximized();
    return QApplication::exec();
}
