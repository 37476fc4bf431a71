// linkmeter-render --list | linkmeter-render STATE FILE.png|--show [--dark] [--language de|fr|es|en]
// --show keeps the view open in a window instead, for screen-reader checks.
// Draws one view in a fixed state at twice the pixel density. Exits with 3 when a label needs more
// room than its view gives it, so cut-off text fails the tests.
#include "RenderStates.h"

#include "app/AppContext.h"
#include "app/Language.h"
#include "views/WidgetSnapshot.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Base, QColor(0x2c, 0x2c, 0x2e));
    p.setColor(QPalette::AlternateBase, QColor(0x32, 0x32, 0x34));
    p.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3c));
    p.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Highlight, QColor(0x0a, 0x84, 0xff));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0x98, 0x98, 0x9d));
    p.setColor(QPalette::Mid, QColor(0x48, 0x48, 0x4a));
    return p;
}

// Labels whose text does not fit in the width or, wrapped, the height they were given, or that reach
// past the view.
int reportCutOffLabels(QWidget& root) {
    int problems = 0;
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&root) || label->text().isEmpty())
            continue;
        const int needed = label->wordWrap() ? label->minimumSizeHint().width() : label->sizeHint().width();
        const QRect inRoot(label->mapTo(&root, QPoint(0, 0)), label->size());
        if (needed > label->width() || inRoot.right() >= root.width()) {
            std::fprintf(stderr, "Label \"%s\" needs %d px, has %d px (ends at %d of %d)\n",
                         qPrintable(label->text()), needed, label->width(), inRoot.right() + 1, root.width());
            ++problems;
        }
        // Wrapped text given fewer lines than it needs loses its last ones.
        if (label->wordWrap() && label->heightForWidth(label->width()) > label->height()) {
            std::fprintf(stderr, "Label \"%s\" needs %d px of height, has %d px\n", qPrintable(label->text()),
                         label->heightForWidth(label->width()), label->height());
            ++problems;
        }
    }
    return problems;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Renders never read or change the user's settings or network memory.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("linkmeter-render"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    AppContext context;
    setRenderContext(context);

    QStringList args = QApplication::arguments().mid(1);
    if (args == QStringList{QStringLiteral("--list")}) {
        for (const RenderState& state : renderStates())
            std::printf("%s\n", qPrintable(state.name));
        return 0;
    }
    const bool dark = args.removeAll(QStringLiteral("--dark")) > 0;
    const bool live = args.removeAll(QStringLiteral("--show")) > 0;
    // English unless asked: the pictures must not depend on the machine's language.
    QLocale locale = *language::fromOption(QStringLiteral("en"));
    if (const qsizetype at = args.indexOf(QStringLiteral("--language")); at >= 0) {
        const std::optional<QLocale> chosen = language::fromOption(args.value(at + 1));
        if (!chosen) {
            std::fprintf(stderr, "--language takes de, fr, es or en\n");
            return 2;
        }
        locale = *chosen;
        args.remove(at, 2);
    }
    if (args.size() != (live ? 1 : 2)) {
        std::fprintf(stderr,
                     "usage: linkmeter-render --list | linkmeter-render STATE FILE.png|--show [--dark] "
                     "[--language de|fr|es|en]\n");
        return 2;
    }
    QLocale::setDefault(locale);
    language::install(app, locale);
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());

    for (const RenderState& state : renderStates()) {
        if (state.name != args[0])
            continue;
        std::unique_ptr<QWidget> view = state.build();
        if (live) {
            view->show();
            return QApplication::exec();
        }
        view->setAttribute(Qt::WA_DontShowOnScreen);
        view->show();
        QApplication::processEvents();
        const QImage image = renderWidget(*view, 2.0);
        if (image.isNull() || !image.save(args[1])) {
            std::fprintf(stderr, "Could not write %s\n", qPrintable(args[1]));
            return 1;
        }
        return reportCutOffLabels(*view) > 0 ? 3 : 0;
    }
    std::fprintf(stderr, "Unknown state %s; see --list\n", qPrintable(args[0]));
    return 2;
}
