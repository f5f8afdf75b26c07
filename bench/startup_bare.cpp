// The floors for start-up: the program's main window, of the size the program itself showed
// (passed in by the driver), with nothing in it; and the same window with one label drawing a
// line in each of the main window's fonts, so that the font set-up every window that shows text
// pays is in both sides of the comparison.
//
// Usage: glyphsmith-bench-bare WIDTHxHEIGHT [--text]
#include "exposeprobe.h"
#include "windowfonts.h"
#include "windowstyle.h"

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QRegularExpression>
#include <QWidget>

#include <cstdio>

namespace {

const QString Caption = QStringLiteral("8x8 Glyphsmith");

QList<QFont> windowFonts()
{
    return {dialogFont(), WindowFonts::singleCharacter(), WindowFonts::scrollingMessage()};
}

// One label, its caption drawn in the dialog font and in the two text-box fonts. Like any label
// it is measured when the window is laid out, before the window is shown, so its fonts are
// looked up and opened then, as the program's controls do.
class FontLabel : public QWidget
{
public:
    using QWidget::QWidget;

    QSize sizeHint() const override
    {
        QSize size;
        for (const QFont &font : windowFonts()) {
            const QFontMetrics metrics(font);
            size = size.expandedTo(QSize(metrics.horizontalAdvance(Caption), 0));
            size.rheight() += metrics.height();
        }
        return size;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        int top = 0;
        for (const QFont &font : windowFonts()) {
            painter.setFont(font);
            top += painter.fontMetrics().height();
            painter.drawText(0, top, Caption);
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    static const QRegularExpression sizeForm(QStringLiteral(R"(^(\d+)x(\d+)$)"));
    const auto size = sizeForm.match(arguments.value(1));
    const bool text = arguments.value(2) == QLatin1String("--text");
    if (!size.hasMatch() || arguments.size() > 3 || (arguments.size() == 3 && !text)) {
        std::fprintf(stderr, "usage: glyphsmith-bench-bare WIDTHxHEIGHT [--text]\n");
        return 2;
    }

    ExposeProbe probe;
    QMainWindow window;
    if (text) {
        window.setFont(dialogFont());
        window.setCentralWidget(new FontLabel(&window));
    }
    window.resize(size.captured(1).toInt(), size.captured(2).toInt());
    window.show();
    return app.exec();
}
