#include "overviewform.h"

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>

#include "devicelist.h"
#include "lampimage.h"
#include "qtports.h"
#include "rounding.h"
#include "textconv.h"
#include "trackbar.h"

namespace {

constexpr int kRowNumbers[8] = {100, 400, 500, 600, 700, 800, 900, 1000};
const char* const kTag = "Tag";

int tagOf(const QObject* o) {
    return o->property(kTag).toInt();
}
void setTag(QObject* o, int tag) {
    o->setProperty(kTag, tag);
}

QLabel* makeField(QWidget* parent, const QString& name, Qt::Alignment align) {
    auto* f = new QLabel(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    f->setAlignment(align | Qt::AlignVCenter);
    f->setAutoFillBackground(true);
    f->setBackgroundRole(QPalette::Base);
    f->setContentsMargins(3, 0, 3, 0);
    return f;
}

QLabel* makeLabel(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

QWidget* makePanel(QWidget* parent, const QString& name) {
    auto* p = new QWidget(parent);
    p->setObjectName(name);
    return p;
}

// Hints are texts with CR LF; a tool tip wants plain line feeds.
QString toolTipOf(const QString& hint) {
    QString t = hint;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

}  // namespace

TANSI_OVERVIEW_Form::TANSI_OVERVIEW_Form(const DataPointTable& dataPoints, ViewContext ctx,
                                         QWidget* parent)
    : ViewForm(kFormTag, kHelpContext, std::move(ctx), parent), m_dp(dataPoints) {
    setObjectName(QStringLiteral("ANSI_OVERVIEW_Form"));
    setWindowTitle(tr("Übersicht"));
    setMinimumSize(320, 320);
    setMaximumSize(1400, 1000);
    FormCreate();
    resize(560, 640);
}

TANSI_OVERVIEW_Form::~TANSI_OVERVIEW_Form() = default;

QString TANSI_OVERVIEW_Form::tr8(const char* text) const {
    return QCoreApplication::translate(kOverviewContext, text);
}

void TANSI_OVERVIEW_Form::FormCreate() {
    Panel1 = makePanel(this, QStringLiteral("Panel1"));
    for (size_t i = 0; i < m_rows.size(); ++i) {
        BarRow& r = m_rows[i];
        const int n = kRowNumbers[i];
        r.number = n;
        r.GPanel = makePanel(this, QStringLiteral("GPanel%1").arg(n));
        setTag(r.GPanel, 0);
        r.LPanel = makePanel(r.GPanel, QStringLiteral("LPanel%1").arg(n));
        r.LLabel = makeLabel(r.LPanel, QStringLiteral("LLabel%1").arg(n));
        r.RPanel = makePanel(r.GPanel, QStringLiteral("RPanel%1").arg(n));
        r.Value = makeField(r.RPanel, QStringLiteral("RPanel%1").arg(n + 1), Qt::AlignRight);
        r.MPanel = makePanel(r.GPanel, QStringLiteral("MPanel%1").arg(n));
        r.MTrackBar = new TrackBar(r.MPanel);
        r.MTrackBar->setObjectName(QStringLiteral("MTrackBar%1").arg(n));
        for (int k = 0; k < 3; ++k)
            r.MLabel[static_cast<size_t>(k)] =
                makeLabel(r.MPanel, QStringLiteral("MLabel%1").arg(n + k));
        r.LLabel->installEventFilter(this);
        r.Value->installEventFilter(this);
    }
    Panel200 = makePanel(this, QStringLiteral("Panel200"));
    for (int n = 10; n <= 23; ++n) {
        Lamp& l = lamp(n);
        l.image = new LampImage(Panel200);
        l.image->setObjectName(QStringLiteral("Image%1").arg(n));
        l.image->setPicture(-1);
        setTag(l.image, -1);
        l.label = makeLabel(Panel200, QStringLiteral("Label%1").arg(n));
        l.label->setAlignment(Qt::AlignCenter);
    }
    Panel300 = makePanel(this, QStringLiteral("Panel300"));
    Panel301 = makePanel(Panel300, QStringLiteral("Panel301"));
    Panel302 = makePanel(Panel300, QStringLiteral("Panel302"));
    Label302 = makeLabel(Panel301, QStringLiteral("Label302"));
    Label300 = makeLabel(Panel301, QStringLiteral("Label300"));
    Label301 = makeLabel(Panel301, QStringLiteral("Label301"));
    Panel305 = makeField(Panel302, QStringLiteral("Panel305"), Qt::AlignLeft);
    Panel303 = makeField(Panel302, QStringLiteral("Panel303"), Qt::AlignLeft);
    Panel304 = makeField(Panel302, QStringLiteral("Panel304"), Qt::AlignLeft);
    LabelX = makeLabel(this, QStringLiteral("LabelX"));
    LabelX->setVisible(false);

    m_rowUnits = 10;
    m_statusRowMode = 1;
    OVERVIEW_ShowElements();
}

// ---- state hooks ---------------------------------------------------------------------------

void TANSI_OVERVIEW_Form::SetLinkState(bool adapterReady) {
    if (adapterReady == m_heldAdapterReady) return;
    m_heldAdapterReady = adapterReady;
    if (!adapterReady) OVERVIEW_ShowElements();
}

void TANSI_OVERVIEW_Form::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == m_heldDeviceClass) return;
    m_heldDeviceClass = deviceClass;
    if (!m_heldAdapterReady) return;
    if (deviceClass != dcNone) {
        OVERVIEW_BuildLayout();
    } else {
        OVERVIEW_ShowElements();
        setHelpContext(kHelpContext);
    }
}

// ---- building ------------------------------------------------------------------------------

void TANSI_OVERVIEW_Form::OVERVIEW_ShowElements() {
    Panel301->setVisible(false);
    Panel302->setVisible(false);
    for (BarRow& r : m_rows) {
        r.LPanel->setVisible(false);
        r.MPanel->setVisible(false);
        r.RPanel->setVisible(false);
        r.LLabel->clear();
    }
    for (Lamp& l : m_lamps) {
        l.image->setVisible(false);
        l.label->setVisible(false);
    }
    m_built = false;
}

void TANSI_OVERVIEW_Form::OVERVIEW_BuildLayout() {
    const OverviewClassLayout* layout = OVERVIEW_ClassLayout(m_heldDeviceClass);
    if (layout) {
        LabelX->setText(QString::fromUtf8(layout->probe));
        const int unit = context().temperatureUnit ? context().temperatureUnit() : 0;
        OVERVIEW_SetRowCounts(layout->bars, layout->extra, layout->mode);
        for (const OverviewBar& b : layout->barList) OVERVIEW_SetupBar(b, unit);
        for (const OverviewLamp& l : layout->lampList) OVERVIEW_SetupLed(l);
        Panel301->setVisible(true);
        Panel302->setVisible(true);
        Label302->setText(tr8(layout->statusLabels[0]));
        Label300->setText(tr8(layout->statusLabels[1]));
        Label301->setText(layout->statusLabels[2][0] ? tr8(layout->statusLabels[2]) : QString());
        Panel304->setVisible(layout->line3);
        if (m_heldDeviceClass <= dcKX3117) {
            Panel305->clear();
            Panel303->clear();
            Panel304->clear();
        }
        setHelpContext(layout->helpContext);
        m_built = true;
        m_refreshDue = true;
    }
    FormResize();
}

void TANSI_OVERVIEW_Form::OVERVIEW_SetRowCounts(int bars, int extra, int mode) {
    for (int i = 1; i <= 8; ++i) setTag(row(i).GPanel, bars >= i ? 1 : 0);
    m_statusRowMode = mode;
    m_rowUnits = bars + extra + 1;
}

void TANSI_OVERVIEW_Form::OVERVIEW_SetupBar(const OverviewBar& bar, int tempUnit) {
    BarRow& r = row(bar.row);
    int minimum = bar.minimum, maximum = bar.maximum, tick = bar.tick;
    if (bar.temperature) {
        const OverviewRange t = OVERVIEW_TemperatureRange(m_heldDeviceClass, tempUnit);
        minimum = t.minimum;
        maximum = t.maximum;
        tick = t.tick;
    }
    r.LLabel->setText(toQ(m_dp.DP_Find(bar.key).Caption));
    r.MTrackBar->setRange(minimum, maximum);
    r.MTrackBar->setTickFrequency(tick);
    r.MTrackBar->setSelStart(minimum);
    r.MTrackBar->setSelEnd(minimum);
    const long double lo = minimum, hi = maximum;
    r.MLabel[0]->setText(toQ(TOOL_FormatFloatShortest(lo)));
    r.MLabel[1]->setText(toQ(TOOL_FormatFloatShortest(lo + (hi - lo) / 2)));
    r.MLabel[2]->setText(toQ(TOOL_FormatFloatShortest(hi)));
    r.Value->clear();
    r.LPanel->setVisible(true);
    r.MPanel->setVisible(true);
    r.RPanel->setVisible(true);
    r.hint = bar.hint ? tr8(kSwitchThresholdHint) : QString();
    for (QLabel* c : {r.LLabel, r.Value}) {
        c->setToolTip(toolTipOf(r.hint));
        if (r.hint.isEmpty())
            c->unsetCursor();
        else
            c->setCursor(Qt::PointingHandCursor);
    }
}

void TANSI_OVERVIEW_Form::OVERVIEW_SetupLed(const OverviewLamp& l) {
    Lamp& w = lamp(l.image);
    w.label->setText(toQ(m_dp.DP_Find(l.key).Caption));
    w.label->setVisible(true);
    setTag(w.image, -1);
    w.image->setToolTip(l.description[0] ? tr8(l.description) : QString());
}

// ---- refresh -------------------------------------------------------------------------------

void TANSI_OVERVIEW_Form::ShowValues() {
    const OverviewClassLayout* layout = OVERVIEW_ClassLayout(m_heldDeviceClass);
    if (!layout || !m_built) return;
    // An unchanged table gives the same picture: nothing to write.
    if (!m_refreshDue && m_dp.changeCounter() == m_seenChanges) return;
    m_refreshDue = false;
    m_seenChanges = m_dp.changeCounter();

    for (const OverviewBar& b : layout->barList) OVERVIEW_UpdateBar(b);
    for (const OverviewLamp& l : layout->lampList) OVERVIEW_UpdateLed(l);

    const QString status = toQ(OVERVIEW_BuildDeviceStatusText());
    const auto text = [this](const char* key) { return toQ(m_dp.DP_Find(key).Value.Text); };
    switch (m_heldDeviceClass) {
        case dcKX3090:
            setStatusText(Panel305, text("OVRZUSTAND"));
            setStatusText(Panel303, status);
            break;
        case dcKX3141: {
            QString state = text("OVRZUSTAND");
            const QString time = text("OVRZUSTAND_Z");
            if (!time.isEmpty()) state += QStringLiteral(" [") + time + QStringLiteral("s]");
            setStatusText(Panel305, text("OVRFLZUSTAND"));
            setStatusText(Panel303, state);
            setStatusText(Panel304, status);
            break;
        }
        default:
            setStatusText(Panel305, text("OVRFLZUSTAND"));
            setStatusText(Panel303, text("OVRZUSTAND"));
            setStatusText(Panel304, status);
            break;
    }
}

void TANSI_OVERVIEW_Form::OVERVIEW_UpdateBar(const OverviewBar& bar) {
    BarRow& r = row(bar.row);
    const TWerteDaten e = m_dp.DP_Find(bar.key);
    const int end = TOOL_Round<int32_t>(e.Value.Value);
    if (r.MTrackBar->selEnd() != end || r.MTrackBar->selStart() != r.MTrackBar->minimum()) {
        r.MTrackBar->setSelStart(r.MTrackBar->minimum());
        r.MTrackBar->setSelEnd(end);
        ++m_writes;
    }
    setStatusText(r.Value, toQ(e.Value.Text + " " + e.Unit + " "));
}

void TANSI_OVERVIEW_Form::OVERVIEW_UpdateLed(const OverviewLamp& l) {
    Lamp& w = lamp(l.image);
    const TResult v = m_dp.DP_GetValue(l.key);
    const int32_t rounded = TOOL_Round<int32_t>(v.Value);
    if (rounded == tagOf(w.image)) return;
    w.image->setVisible(true);
    w.image->setPicture(l.base + (v.Bit != 0 ? 1 : 0));
    setTag(w.image, rounded);
    ++m_writes;
}

void TANSI_OVERVIEW_Form::setStatusText(QLabel* field, const QString& text) {
    if (field->text() == text) return;
    field->setText(text);
    ++m_writes;
}

ByteString TANSI_OVERVIEW_Form::OVERVIEW_BuildDeviceStatusText() const {
    ByteString t;
    OVERVIEW_BuildDeviceStatusText(t);
    return t;
}

void TANSI_OVERVIEW_Form::OVERVIEW_BuildDeviceStatusText(ByteString& text) const {
    text.clear();
    const ByteString errors = fromQ(tr8(QT_TRANSLATE_NOOP("TANSI_OVERVIEW_Form", "Fehler")));
    switch (m_heldDeviceClass) {
        case dcKX3090:
        case dcKX3024:
        case dcKX3117: {
            text = m_dp.DP_GetValue("OVRERRCNT").Text + " " + errors + " ";
            if (const OverviewClassLayout* layout = OVERVIEW_ClassLayout(m_heldDeviceClass)) {
                for (const OverviewFlag& f : layout->statusFlags)
                    if (m_dp.DP_GetValue(f.key).Bit != 0) text += ByteString(" ") + f.name;
            }
            break;
        }
        case dcKX3141:
            text = m_dp.DP_GetValue("OVRERRCODE").Text;
            break;
        case dcKX3166:
            if (m_dp.DP_GetValue("OVRSTV").Bit != 0)
                text = errors + " " + "STFL";
            else
                text = fromQ(tr8(QT_TRANSLATE_NOOP("TANSI_OVERVIEW_Form", "kein Fehler"))) + " ";
            break;
        default:
            break;
    }
}

// ---- hints ---------------------------------------------------------------------------------

bool TANSI_OVERVIEW_Form::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(e);
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint())) {
            for (const BarRow& r : m_rows) {
                if (watched == r.LLabel || watched == r.Value) {
                    LInfoClick(watched);
                    break;
                }
            }
        }
    }
    return ViewForm::eventFilter(watched, e);
}

void TANSI_OVERVIEW_Form::LInfoClick(QObject* sender) {
    for (const BarRow& r : m_rows) {
        if (sender != r.LLabel && sender != r.Value) continue;
        if (!r.hint.isEmpty() && context().ui)
            context().ui->messageBox(MsgKind::Information, fromQ(r.hint), MB_OK);
        return;
    }
}
