#pragma once

#include <QFont>
#include <QWidget>

#include <string>

#include "lomarek/axis_scaling.h"
#include "lomarek/depth_age_table.h"
#include "lomarek/plot_frame.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lomarek {

class PlotSurface;

// The label font's description: a 12-pixel Japanese gothic of normal weight.
struct LabelFontDescription {
    int height = 0;
    int weight = 0;
    std::string faceName;
};

// The form: the setting-file path, the method, the two value lists, the
// convert buttons and the plot. It owns the table, the four control texts
// and the plot scales for the life of the window.
class CLomarekView final : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kHomePage = "https://www.tessavine.example/lomarek/";

    explicit CLomarekView(QWidget* parent = nullptr);
    ~CLomarekView() override;

    // Pushes the texts, fits the frame, sets up the plot and restores the
    // stored method and path, which loads the table.
    void OnInitialUpdate();

    // true: control texts into the members; false: members into the controls.
    void UpdateData(bool saveAndValidate);

    void OnEnUpdateSettingFile();
    void OnCbnSelchangeMethod();
    void OnBnClickedDepthToAge();
    void OnBnClickedAgeToDepth();
    void OnBnClickedBrowse();
    void OnHelpManual();
    void OnHelpHomepage();
    void OnHelpInfo();
    // Stores the method and path and releases the plot; runs once.
    void OnDestroy();

    const DepthAgeTable& table() const { return m_table; }
    const std::string& methodText() const { return m_strMethod; }
    const std::string& agesText() const { return m_strAges; }
    PlotSurface* plot() const { return m_plot; }
    // The frame that the plot draws from the current state.
    PlotFrame CurrentFrame() const;

    // Where the help manual is looked for, in order.
    static QStringList HelpFileCandidates();

private:
    bool LoadSettingFile();
    void UpdatePlotScales();
    void DrawPlot();
    void InitOpenGL();
    void InitLogFont();
    void RestoreSettings();
    void OpenHelpFile();
    // Sets the path box's text; the path-edited handler runs once, also when
    // the text does not change.
    void SetSettingFileText(const QString& text);
    void RunConvertCommand(const std::vector<double>& X, const std::vector<double>& Y, const std::string& input,
                           std::string& output);
    void Convert(const std::vector<double>& X, const std::vector<double>& Y, const std::string& input,
                 std::string& output);
    void SelectMethod(const std::string& method);

    PlotSurface* m_plot;
    DepthAgeTable m_table;
    std::string m_strSettingFile;
    std::string m_strAges;
    std::string m_strDepths;
    std::string m_strMethod;
    QLineEdit* m_editSettingFile;
    QPlainTextEdit* m_editAges;
    QPlainTextEdit* m_editDepths;
    QComboBox* m_comboMethod;
    QPushButton* m_buttonBrowse;
    QPushButton* m_buttonDepthToAge;
    QPushButton* m_buttonAgeToDepth;
    PlotScales m_scales;
    QFont m_font;
    LabelFontDescription m_logFont;
    bool m_destroyed = false;
};

} // namespace lomarek
