#pragma once

#include "reports/LabelDimension.h"
#include "reports/ReportPage.h"
#include "reports/ReportRequest.h"

#include "exchange/SubtreeWalk.h"

#include <QDate>
#include <QDialog>

#include <memory>
#include <vector>

class InchEdit;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class TTreeNode;
class TZVBObject;

// What the print command hands to the dialog.
struct TReportContext
{
    const TTreeNode* node = nullptr;
    // The current item, for the envelope's delivery address.
    const TZVBObject* current = nullptr;
    ItemFilter passes;
    QString profilePath;       // "zvb.ini", for the label types
    QString returnAddressPath; // "ret_addr.dat"
    QDate today;
};

// "Print Reports": one sheet per report, preview, print and printer set-up.
class TReportForm : public QDialog
{
    Q_OBJECT

public:
    TReportForm(const TReportContext& context, QPrinter& printer, QWidget* parent = nullptr);
    ~TReportForm() override;

    // The report as the sheets stand now.
    TReportRequest Request() const;
    void SelectReport(ReportKind kind);

    // The buttons' actions.
    void Preview();
    void Print();
    void Setup();

    // The label types: those stored, then the sheet templates.
    int StoredLabelCount() const { return static_cast<int>(m_storedLabels.size()); }
    void AddLabelType(const TLabelDimension& label);
    void SelectLabel(int index);
    void SetSheetTemplates(std::vector<TLabelDimension> templates);

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildListSheet();
    QWidget* BuildEnvelopeSheet();
    QWidget* BuildBookSheet();
    QWidget* BuildLabelSheet();
    QWidget* BuildReminderSheet();
    QWidget* BuildSimpleSheet();
    void FillLabelList();
    std::unique_ptr<TPreparedReport> Prepare();
    // Lays the report out, with the progress window up while a long one runs.
    std::vector<TReportPage> LayOut(TBandedReport& report);

    TReportContext m_context;
    QPrinter& m_printer;
    QComboBox* m_type = nullptr;
    QStackedWidget* m_sheets = nullptr;

    struct SheetControls
    {
        QLineEdit* title = nullptr;
        QRadioButton* portrait = nullptr;
        QRadioButton* landscape = nullptr;
        InchEdit* top = nullptr;
        InchEdit* bottom = nullptr;
        InchEdit* left = nullptr;
        QLabel* sample = nullptr;
    };
    SheetControls m_list;
    SheetControls m_book;
    SheetControls m_reminders;
    SheetControls m_simple;
    QSpinBox* m_columns = nullptr;
    InchEdit* m_gutter = nullptr;

    QComboBox* m_envSize = nullptr;
    QPlainTextEdit* m_return = nullptr;
    QPlainTextEdit* m_delivery = nullptr;
    QCheckBox* m_saveReturn = nullptr;
    QCheckBox* m_omitReturn = nullptr;
    QString m_returnError;

    QComboBox* m_labelList = nullptr;
    InchEdit* m_labelEdits[6] = {};
    QSpinBox* m_across = nullptr;
    QLabel* m_labelSample = nullptr;
    std::vector<TLabelDimension> m_storedLabels;
    std::vector<TLabelDimension> m_sheetLabels;

    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
};
