#include "lomarek_view.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

#include <new>

#include "dialogs.h"
#include "form_units.h"
#include "lomarek/plot_surface.h"
#include "lomarek/value_list.h"
#include "main_frame.h"

namespace lomarek {
namespace {

constexpr int kFormWidthUnits = 277;
constexpr int kFormHeightUnits = 222;
constexpr int kPlotLeft = 10;
constexpr int kPlotTop = 85;
// The plot is 350 pixels wide at x = 10 and the value boxes begin at 169
// units: a unit of at least 366/169 pixels keeps them 6 pixels apart.
constexpr double kNarrowestAverageWidth = 4.0 * 366.0 / 169.0;
// An edit text this long is written into its control by every push.
constexpr std::size_t kAlwaysPushedLength = 256;

std::string ToMember(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString ToControl(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The value boxes show lines; the members keep the CR-LF that conversions write.
QString ToBox(const std::string& text)
{
    QString shown = ToControl(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// A label whose text is wider in the substituted font than its box grows
// away from its aligned edge, so that the text is never cut.
QLabel* MakeLabel(QWidget* parent, const char* text, Qt::Alignment alignment, QRect box)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setAlignment(alignment | Qt::AlignTop);
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    if (needed > box.width()) {
        if (alignment & Qt::AlignRight)
            box.setLeft(std::max(0, box.right() + 1 - needed));
        else
            box.setWidth(needed);
    }
    label->setGeometry(box);
    return label;
}

QPlainTextEdit* MakeValueBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->setGeometry(geometry);
    return box;
}

QSettings StoredSettings()
{
    return QSettings(QStringLiteral("Tessavine"), QStringLiteral("Lomarek"));
}

} // namespace

CLomarekView::CLomarekView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CLomarekView"));
    QFont formFont(QStringLiteral("MS UI Gothic"));
    formFont.setPointSize(12);
    formFont.setWeight(QFont::Normal);
    setFont(formFont);
    const FormUnits units(formFont, kNarrowestAverageWidth);

    // Created in the template's order, which is also the order of the Tab key.
    m_plot = new PlotSurface(this);
    m_plot->setObjectName(QStringLiteral("IDC_PLOT"));
    m_plot->setFocusPolicy(Qt::NoFocus);
    m_plot->move(units.Map(5, 42, 153, 175).topLeft());
    MakeLabel(this, "Depth-Age Setting File", Qt::AlignRight, units.Map(4, 6, 70, 8));
    MakeLabel(this, "Interpolation Method", Qt::AlignRight, units.Map(7, 25, 67, 8));
    MakeLabel(this, "Depth", Qt::AlignLeft, units.Map(173, 30, 18, 8));
    MakeLabel(this, "Age", Qt::AlignLeft, units.Map(248, 30, 15, 8));

    m_editSettingFile = new QLineEdit(this);
    m_editSettingFile->setObjectName(QStringLiteral("IDC_SETTING_FILE"));
    m_editSettingFile->setGeometry(units.Map(77, 5, 182, 12));
    m_buttonBrowse = new QPushButton(QStringLiteral("..."), this);
    m_buttonBrowse->setObjectName(QStringLiteral("IDC_BROWSE"));
    m_buttonBrowse->setGeometry(units.Map(259, 5, 11, 12));
    m_comboMethod = new QComboBox(this);
    m_comboMethod->setObjectName(QStringLiteral("IDC_METHOD"));
    m_comboMethod->setEditable(false);
    m_comboMethod->addItems({QStringLiteral("cubic spline"), QStringLiteral("linear")});
    m_comboMethod->model()->sort(0);
    m_comboMethod->setCurrentIndex(-1);
    m_comboMethod->setGeometry(units.Map(77, 23, 72, 12));
    m_buttonDepthToAge = new QPushButton(QStringLiteral(">> Convert >>"), this);
    m_buttonDepthToAge->setObjectName(QStringLiteral("IDC_DEPTH_TO_AGE"));
    m_buttonDepthToAge->setGeometry(units.Map(194, 23, 50, 12));
    m_buttonAgeToDepth = new QPushButton(QStringLiteral("<< Convert <<"), this);
    m_buttonAgeToDepth->setObjectName(QStringLiteral("IDC_AGE_TO_DEPTH"));
    m_buttonAgeToDepth->setGeometry(units.Map(194, 35, 50, 12));
    m_editDepths = MakeValueBox(this, "IDC_DEPTHS", units.Map(169, 50, 47, 167));
    m_editAges = MakeValueBox(this, "IDC_AGES", units.Map(225, 50, 47, 167));
    for (QPushButton* button : {m_buttonBrowse, m_buttonDepthToAge, m_buttonAgeToDepth})
        button->setAutoDefault(false);
    setTabOrder(m_editSettingFile, m_buttonBrowse);
    setTabOrder(m_buttonBrowse, m_comboMethod);
    setTabOrder(m_comboMethod, m_buttonDepthToAge);
    setTabOrder(m_buttonDepthToAge, m_buttonAgeToDepth);
    setTabOrder(m_buttonAgeToDepth, m_editDepths);
    setTabOrder(m_editDepths, m_editAges);

    setFixedSize(units.X(kFormWidthUnits), units.Y(kFormHeightUnits));

    m_plot->SetFrameSource([this] { return CurrentFrame(); });
    connect(m_editSettingFile, &QLineEdit::textChanged, this, [this] { OnEnUpdateSettingFile(); });
    connect(m_comboMethod, &QComboBox::activated, this, [this] { OnCbnSelchangeMethod(); });
    connect(m_buttonDepthToAge, &QPushButton::clicked, this, [this] { OnBnClickedDepthToAge(); });
    connect(m_buttonAgeToDepth, &QPushButton::clicked, this, [this] { OnBnClickedAgeToDepth(); });
    connect(m_buttonBrowse, &QPushButton::clicked, this, [this] { OnBnClickedBrowse(); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WidgetWithChildrenShortcut);
    connect(help, &QShortcut::activated, this, [this] { OnHelpInfo(); });
}

CLomarekView::~CLomarekView()
{
    OnDestroy();
}

void CLomarekView::OnInitialUpdate()
{
    UpdateData(false);
    if (auto* frame = qobject_cast<CMainFrame*>(window()))
        frame->FitToForm();
    InitOpenGL();
    RestoreSettings();
}

void CLomarekView::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        m_strSettingFile = ToMember(m_editSettingFile->text());
        m_strAges = ToMember(m_editAges->toPlainText());
        m_strDepths = ToMember(m_editDepths->toPlainText());
        m_strMethod = m_comboMethod->currentIndex() < 0 ? std::string() : ToMember(m_comboMethod->currentText());
        return;
    }
    // The path goes last: writing it runs the path handler, whose pull must
    // find the other controls already holding the members' texts.
    const std::pair<QPlainTextEdit*, const std::string*> boxes[] = {{m_editAges, &m_strAges}, {m_editDepths, &m_strDepths}};
    for (const auto& [box, text] : boxes) {
        const QString shown = ToBox(*text);
        if (shown != box->toPlainText()) {
            box->setPlainText(shown);
        } else if (text->size() >= kAlwaysPushedLength) {
            // Writing the same text again only puts the caret and the view back
            // at the start and forgets the undo steps; laying out a long list
            // anew would take seconds for nothing else.
            box->document()->clearUndoRedoStacks();
            box->moveCursor(QTextCursor::Start);
        }
    }
    SelectMethod(m_strMethod);
    const QString path = ToControl(m_strSettingFile);
    if (path != m_editSettingFile->text() || m_strSettingFile.size() >= kAlwaysPushedLength)
        SetSettingFileText(path);
}

// The first item that begins with the text, letter case ignored; an empty
// text or one that no item begins with leaves the selection as it is.
void CLomarekView::SelectMethod(const std::string& method)
{
    if (method.empty())
        return;
    const QString wanted = ToControl(method);
    for (int item = 0; item < m_comboMethod->count(); ++item) {
        if (m_comboMethod->itemText(item).startsWith(wanted, Qt::CaseInsensitive)) {
            m_comboMethod->setCurrentIndex(item);
            return;
        }
    }
}

void CLomarekView::SetSettingFileText(const QString& text)
{
    if (m_editSettingFile->text() == text)
        OnEnUpdateSettingFile();
    else
        m_editSettingFile->setText(text);
}

void CLomarekView::OnEnUpdateSettingFile()
{
    UpdateData(true);
    m_table.m_bTableLoaded = LoadSettingFile();
    if (m_table.m_bTableLoaded)
        UpdatePlotScales();
    DrawPlot();
}

void CLomarekView::OnCbnSelchangeMethod()
{
    UpdateData(true);
    m_strMethod = m_comboMethod->currentIndex() < 0 ? std::string() : ToMember(m_comboMethod->currentText());
    DrawPlot();
}

void CLomarekView::OnBnClickedDepthToAge()
{
    RunConvertCommand(m_table.m_depths, m_table.m_ages, m_strDepths, m_strAges);
}

void CLomarekView::OnBnClickedAgeToDepth()
{
    RunConvertCommand(m_table.m_ages, m_table.m_depths, m_strAges, m_strDepths);
}

// The members are pulled first, so input and output hold the boxes' texts.
void CLomarekView::RunConvertCommand(const std::vector<double>& X, const std::vector<double>& Y,
                                     const std::string& input, std::string& output)
{
    UpdateData(true);
    if (!m_table.m_bTableLoaded) {
        CurrentDialogs().warning(this, QStringLiteral("Depth-Age Setting File Error"));
        return;
    }
    Convert(X, Y, input, output);
    UpdateData(false);
}

void CLomarekView::Convert(const std::vector<double>& X, const std::vector<double>& Y, const std::string& input,
                           std::string& output)
{
    output.clear();
    try {
        if (m_strMethod == "linear")
            ConvertByLinear(m_table, X, Y, input, output);
        if (m_strMethod == "cubic spline")
            ConvertBySpline(m_table, X, Y, input, output);
    } catch (const std::bad_alloc&) {
        // A list whose results do not fit in memory: no half list is shown.
        output.clear();
        output.shrink_to_fit();
        CurrentDialogs().warning(this, QStringLiteral("Not enough memory to convert the list."));
    }
}

void CLomarekView::OnBnClickedBrowse()
{
    const std::optional<QString> chosen =
        CurrentDialogs().openFile(this, QString(), QStringLiteral("text file(*.txt)"));
    if (!chosen)
        return;
    m_strSettingFile = ToMember(*chosen);
    SetSettingFileText(*chosen);
}

bool CLomarekView::LoadSettingFile()
{
    return lomarek::LoadSettingFile(m_strSettingFile, m_table).ok();
}

void CLomarekView::UpdatePlotScales()
{
    lomarek::UpdatePlotScales(m_table, m_scales);
}

void CLomarekView::DrawPlot()
{
    m_plot->DrawNow();
}

PlotFrame CLomarekView::CurrentFrame() const
{
    return BuildPlotFrame(m_table, m_strMethod, m_scales, [this](std::string_view text) { return m_plot->TextWidth(text); });
}

void CLomarekView::InitOpenGL()
{
    // The surface makes its context when it is first shown; a second set-up
    // reuses it.
    m_plot->setGeometry(kPlotLeft, kPlotTop, PlotSurface::kSize, PlotSurface::kSize);
    m_plot->show();
}

void CLomarekView::InitLogFont()
{
    m_logFont.height = 12;
    m_logFont.weight = QFont::Normal;
    m_logFont.faceName = "ＭＳ ゴシック";
}

void CLomarekView::RestoreSettings()
{
    InitLogFont();
    m_font = QFont(ToControl(m_logFont.faceName));
    m_font.setPixelSize(m_logFont.height);
    m_font.setWeight(static_cast<QFont::Weight>(m_logFont.weight));
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_plot->SetLabelFont(m_font);

    QSettings settings = StoredSettings();
    settings.beginGroup(QStringLiteral("Settings"));
    const QString method = QStringLiteral("InterpolationMethod");
    m_strMethod = settings.contains(method) ? ToMember(settings.value(method).toString()) : std::string("linear");
    SelectMethod(m_strMethod);
    m_strSettingFile = ToMember(settings.value(QStringLiteral("DepthAgeFile"), QString()).toString());
    settings.endGroup();
    SetSettingFileText(ToControl(m_strSettingFile));
}

void CLomarekView::OnDestroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    QSettings settings = StoredSettings();
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("InterpolationMethod"), ToControl(m_strMethod));
    settings.setValue(QStringLiteral("DepthAgeFile"), ToControl(m_strSettingFile));
    settings.endGroup();
    settings.sync();
    m_plot->ReleaseGL();
}

QStringList CLomarekView::HelpFileCandidates()
{
    QStringList candidates = {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Lomarek.html"))};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << QDir(data).filePath(QStringLiteral("doc/lomarek/Lomarek.html"));
    candidates << QDir(QCoreApplication::applicationDirPath())
                      .filePath(QStringLiteral("../share/doc/lomarek/Lomarek.html"));
    return candidates;
}

void CLomarekView::OpenHelpFile()
{
    const QStringList candidates = HelpFileCandidates();
    QString path = candidates.front();
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void CLomarekView::OnHelpManual()
{
    OpenHelpFile();
}

void CLomarekView::OnHelpInfo()
{
    OpenHelpFile();
}

void CLomarekView::OnHelpHomepage()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePage)));
}

} // namespace lomarek
