// The least a Qt Widgets program does to show a main window: a menu bar, a status bar and an
// empty central widget, shown maximized like the calculator's window, ending after the central
// widget's first paint. bench/compare.sh times the calculator's start against this.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    for (const char* title : {"&File", "&Calibration", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    QuitAfterFirstPaint quitter;
    central->installEventFilter(&quitter);
    window.showMaximized();
    return QApplication::exec();
}
