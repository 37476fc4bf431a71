#pragma once

#include <QString>

#include <optional>

struct SaveRequest {
    QString title;
    // Shown where the toolkit has room for it.
    QString message;
    QString proposedName;
    // Name filter of the allowed file type, as "CSV files (*.csv)".
    QString fileFilter;
};

// The desktop's modal "save as" dialog. Answers the chosen file path, or nothing when the user
// cancelled.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    virtual std::optional<QString> chooseLocation(const SaveRequest& request) = 0;
};
