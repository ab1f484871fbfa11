#pragma once

#include "controls/FrmShell.h"
#include "wizard/ModelChoice.h"

class QLabel;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class TSkinButton;

// The dialog in which the user names one product of the circuit in calculation
// mode: the series on the left, the models of the chosen series on the right,
// and for pads the buffer, for ejectors the flow type and standard supply
// pressure. The program creates it once; its radios keep their states between
// uses.
class TFrmModelSel : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmModelSel(QWidget* parent = nullptr);

    // Lays the dialog out for the request and fills both lists, the current
    // product preselected (the first rows when it is not listed). The title names
    // the product, as the panel's label calls it.
    void Prepare(const TModelChoiceRequest& request, const QString& product);
    // Prepares and shows the dialog until OK with a model, or Cancel; true after OK.
    bool Choose(const TModelChoiceRequest& request, const QString& product);

    // After OK: the chosen series, model ID and the model's text.
    const QString& SeriesId() const { return seriesId_; }
    const QString& ModelId() const { return modelId_; }
    const QString& ModelText() const { return modelText_; }
    bool Accepted() const { return accepted_; }
    // MPa: 0.5, 0.45, 0.4 or 0.35 by the checked pressure radio.
    double StandardPressure() const;
    // Takes over the checked and enabled states of the same-named ejector radios.
    void CopyEjectorRadios(const QWidget* from);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    void applyLanguage();
    void layOut();
    void fillSeries();
    void seriesSelected(int row);
    void fillModels(const std::optional<TEjectorFilter>& filter);
    void updateEjectorChoices(const QList<TModelListRow>& unfiltered);
    std::optional<TEjectorFilter> ejectorFilter() const;
    void ejectorRadioClicked();
    void confirm();

    QTableWidget* sgSeries;
    QTableWidget* sgModelNo;
    QLabel* LblSerise;
    QLabel* LblModelNoTitle;
    QLabel* LblModelNoTitle2;
    QWidget* shaModelNo1;
    QStackedWidget* NbInput;
    QRadioButton* Rbhuangchong_yes;
    QRadioButton* Rbhuangchong_no;
    QRadioButton* RbBiaoZhun;
    QRadioButton* RbDaLiuLiang;
    QRadioButton* RbGyyldot35;
    QRadioButton* RbGyyldot4;
    QRadioButton* RbGyyldot45;
    QRadioButton* RbGyyldot5;
    TSkinButton* btnOk;
    TSkinButton* btnCancel;

    TModelChoiceRequest request_;
    QStringList seriesKeys_;
    QList<TModelListRow> models_;
    QString seriesId_, modelId_, modelText_;
    bool accepted_ = false;
};

extern TFrmModelSel* FrmModelSel;
