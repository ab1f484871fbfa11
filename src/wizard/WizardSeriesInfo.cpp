// The names, the note and the picture of product series, shown in and beside the
// series lists of the selection pages.

#include "wizard/FrmActuatorSelection.h"

#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "wizard/CatalogueRows.h"
#include "wizard/PadSelection.h"
#include "wizard/WizardControls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

namespace {

// A column of the series' row in SERIES; empty when the code or the row is missing.
QString seriesColumn(const QString& seriesId, const QString& columns, const QString& column) {
    if (!DMComm || !IsCatalogueCode(seriesId) ||
        !DMComm->OpenSQL("SELECT " + columns + " FROM SERIES WHERE SERIESID ='" + seriesId + "'"))
        return QString();
    const QString value = DMComm->QComm.IsEmpty() ? QString() : DMComm->QComm.AsString(column);
    DMComm->QComm.Close();
    return value;
}

} // namespace

// The series' names in the current language, one row each; their SERIESIDs in order.
QStringList TFrmActuatorSelection::fillSeriesGrid(QTableWidget* grid, const QList<TListRow>& rows) {
    QStringList keys;
    grid->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        grid->setItem(row, 0, new QTableWidgetItem(SeriesDisplayName(rows[row].Id)));
        keys.append(rows[row].Key);
    }
    return keys;
}

// The note lines the language file holds for the series; the memo is left as it
// was when the series has no row.
void TFrmActuatorSelection::showSeriesNote(const QString& seriesId, const char* memo,
                                           bool unitVariant) {
    const QString id =
        seriesColumn(seriesId, QStringLiteral("ID,SERIES_Note"), QStringLiteral("ID"));
    if (id.isEmpty() || !BaseClass || !BaseClass->Lan)
        return;
    const QString key = SeriesTextKey(id, seriesId, unitVariant);
    QStringList lines;
    BaseClass->Lan->GetDataLines(QStringLiteral("SERIES"), key, lines,
                                 QStringLiteral("SERIES_Note"));
    Named<QPlainTextEdit>(this, memo)->setPlainText(lines.join('\n'));
}

// The series' picture, its buffer ("_B") or vacuum unit variant where the page
// asks for it; a missing file leaves the picture empty.
void TFrmActuatorSelection::showSeriesPicture(const QString& seriesId, const char* image,
                                              bool bufferAware, bool unitVariant) {
    const QString name =
        seriesColumn(seriesId, QStringLiteral("SERIES_PIC"), QStringLiteral("SERIES_PIC"));
    auto* picture = Named<QLabel>(this, image);
    if (name.isEmpty())
        return;
    const bool buffer = bufferAware && Named<QRadioButton>(this, "Rbhuangchong_yes")->isChecked();
    const QPixmap loaded(
        AppPath + "Img/" +
        SeriesPictureFile(name, seriesId, unitVariant, buffer, context_.Input.System_Cat));
    picture->setPixmap(loaded.isNull() ? QPixmap()
                                       : loaded.scaled(picture->size(), Qt::KeepAspectRatio,
                                                       Qt::SmoothTransformation));
}
