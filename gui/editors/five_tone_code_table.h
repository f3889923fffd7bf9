#pragma once
// The code list grid of the 5-tone dialog: 100 rows of number, special call type, code,
// standard, tone length and name over the dialog's working record.

#include <QTableWidget>
#include <string>

#include "editors/five_tone_code_list.h"
#include "model/records/five_tone_record.h"
#include "texts/language_texts.h"

namespace rp70::gui {

class FiveToneCodeTable : public QTableWidget {
    Q_OBJECT
public:
    /// Shows `rows` and stores cell edits into `record` and `rows`; both must outlive the table.
    FiveToneCodeTable(FiveToneRecord& record, CodeRows& rows, const LanguageTexts& texts,
                      QWidget* parent = nullptr);
    /// The own ID code commits encode with (the dialog's own ID field).
    void SetOwnId(const std::string& ownId);
    /// Shows `rows` again (after an own ID change or a special call).
    void ShowRows();
    /// Commits the open cell editor, hides it, and no cell is current any more.
    void CommitOpenCell();
    /// Entry 0 … 99 of the current row (0 when none).
    int CurrentEntry() const;

signals:
    /// The grid's standard list chose a standard (the dialog shows its table text).
    void standardChosen(int standard);

private:
    FiveToneRecord& record_;
    CodeRows& rows_;
    std::string ownId_;
};

} // namespace rp70::gui
