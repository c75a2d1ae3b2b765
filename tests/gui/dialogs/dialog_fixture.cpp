#include "dialog_fixture.hpp"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace rheo::testing {

bool openDialog(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    // QTest has keys for ASCII only; other characters arrive as an input method would.
    if (ascii)
        QTest::keyClicks(field, text);
    else
        field->insert(text);
}

void typeAndLeave(QLineEdit* field, const QString& text) {
    typeInto(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

std::vector<QString> labelTexts(const QWidget& dialog) {
    std::vector<QString> texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts.push_back(label->text());
    std::sort(texts.begin(), texts.end());
    return texts;
}

std::vector<QWidget*> tabChain(QWidget* first, int count) {
    first->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> chain{QApplication::focusWidget()};
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain.push_back(QApplication::focusWidget());
    }
    return chain;
}

} // namespace rheo::testing
