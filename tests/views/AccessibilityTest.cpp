#include "RenderStates.h"

#include "app/AppContext.h"
#include "views/kit/CollapsibleHeader.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace {

// States whose views are still being given their names; each is taken off as it is done.
const std::set<QString> kStillToName = {};

// What a screen reader must be able to name: controls, and the painted views that show a value.
bool needsName(QAccessibleInterface* node) {
    switch (node->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        break;
    }
    const QObject* object = node->object();
    return object && (object->inherits("QualityRingView") || object->inherits("SignalBarsView") ||
                      object->inherits("SparklineView") || object->inherits("ChannelBarChart") ||
                      object->inherits("HistoryChart") || object->inherits("CompactQualityBadge") ||
                      object->inherits("ActivityIndicator"));
}

void collectUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed) {
    if (!node || node->state().invisible)
        return;
    const QString here =
        path + u'/' +
        QString::fromLatin1(node->object() ? node->object()->metaObject()->className() : "item");
    if (needsName(node) && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << here;
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), here, unnamed);
}

// A control the keyboard should reach; scroll bars are left to the keys of what they scroll.
bool interactive(const QWidget* w) {
    if (qobject_cast<const QScrollBar*>(w))
        return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QTabBar*>(w) ||
           qobject_cast<const CollapsibleHeader*>(w);
}

class Accessibility : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The states read and write settings; never the user's.
        home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", home->path().toLocal8Bit());
        qputenv("HOME", home->path().toLocal8Bit());
        context = std::make_unique<AppContext>();
        setRenderContext(*context);
    }
    static void TearDownTestSuite() {
        context.reset();
        home.reset();
    }

    static std::unique_ptr<QWidget> shown(const RenderState& state) {
        std::unique_ptr<QWidget> view = state.build();
        view->setAttribute(Qt::WA_DontShowOnScreen);
        view->show();
        QApplication::processEvents();
        return view;
    }

    static const RenderState& state(const QString& name) {
        for (const RenderState& s : renderStates())
            if (s.name == name)
                return s;
        ADD_FAILURE() << "no state " << name.toStdString();
        return renderStates().front();
    }

    static inline std::unique_ptr<QTemporaryDir> home;
    static inline std::unique_ptr<AppContext> context;
};

} // namespace

TEST_F(Accessibility, EveryControlAndPaintedValueHasAName) {
    QAccessible::setActive(true);
    for (const RenderState& s : renderStates()) {
        if (kStillToName.contains(s.name))
            continue;
        const std::unique_ptr<QWidget> view = shown(s);
        QStringList unnamed;
        collectUnnamed(QAccessible::queryAccessibleInterface(view.get()), QString(), unnamed);
        EXPECT_TRUE(unnamed.isEmpty())
            << s.name.toStdString() << ":\n  " << unnamed.join(QStringLiteral("\n  ")).toStdString();
    }
}

// Whether `a` comes before `b` when reading the window: the two branches they sit in under their
// nearest common parent are compared, top to bottom and, within a row, left to right. Comparing
// branches keeps a scrolled page's far end before a tool bar drawn below its viewport.
bool readsBefore(const QWidget* a, const QWidget* b) {
    std::vector<const QWidget*> aChain;
    for (const QWidget* w = a; w; w = w->parentWidget())
        aChain.push_back(w);
    const QWidget* bBranch = b;
    while (bBranch->parentWidget() &&
           std::find(aChain.begin(), aChain.end(), bBranch->parentWidget()) == aChain.end())
        bBranch = bBranch->parentWidget();
    const QWidget* common = bBranch->parentWidget();
    const auto aAt = std::find(aChain.begin(), aChain.end(), common);
    if (aAt == aChain.begin())
        return true;
    const QWidget* aBranch = *(aAt - 1);
    const QRect ra = aBranch->geometry();
    const QRect rb = bBranch->geometry();
    if (std::abs(ra.center().y() - rb.center().y()) < std::min(ra.height(), rb.height()) / 2 + 1)
        return ra.x() < rb.x();
    return ra.y() < rb.y();
}

// Tab reaches every control, in reading order.
TEST_F(Accessibility, TabVisitsEveryControlInReadingOrder) {
    for (const char* name : {"status-connected-excellent", "diagnostics-monitoring", "settings-general"}) {
        const std::unique_ptr<QWidget> view = shown(state(QString::fromLatin1(name)));
        const auto reachable = [&view](const QWidget* w) {
            return interactive(w) && w->isVisibleTo(view.get()) && w->isEnabled();
        };
        for (QWidget* w : view->findChildren<QWidget*>()) {
            if (reachable(w)) {
                EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus)
                    << name << ": " << w->metaObject()->className() << " \""
                    << w->accessibleName().toStdString() << "\" cannot be reached with Tab";
            }
        }
        const QWidget* previous = nullptr;
        for (QWidget* w = view->nextInFocusChain(); w != view.get(); w = w->nextInFocusChain()) {
            if (!reachable(w) || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            if (previous) {
                EXPECT_TRUE(readsBefore(previous, w))
                    << name << ": Tab goes from " << previous->metaObject()->className() << " \""
                    << previous->accessibleName().toStdString() << "\" to " << w->metaObject()->className()
                    << " \"" << w->accessibleName().toStdString() << "\", which is read before it";
            }
            previous = w;
        }
    }
}
