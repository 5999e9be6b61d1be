#include "gui/widgets/compact_tabs.h"

#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

namespace quorvel::gui {

namespace {

// The padding a compact tab keeps around its caption, both sides together; the styles' own
// is about twice that.
constexpr int CompactPadding = 12;

// The style sizes and draws a tab with the same padding, so a smaller one still shows the
// caption whole.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? std::min(value, CompactPadding) : value;
    }
};

}  // namespace

void MakeTabsCompact(QTabWidget* tabs) {
    // Without a base style the proxy follows the application's, and the bar owns it.
    auto* style = new CompactTabStyle;
    style->setParent(tabs->tabBar());
    tabs->tabBar()->setStyle(style);
}

}  // namespace quorvel::gui
