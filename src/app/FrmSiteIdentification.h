#pragma once

#include "app/SiteFields.h"
#include "platform/ToolWindow.h"

#include <array>

class QLabel;
class QLineEdit;

// The eight free texts that identify the culvert site. The window is their
// only store: reports, exports and the project file read its Fields().
class FrmSiteIdentification : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmSiteIdentification(QMdiArea& area);

    static FrmSiteIdentification* Instance();
    // The fields of the site window, or empty ones when the program has none.
    static SiteFields CurrentFields();

    void Initialize();
    void StartUp();
    void ClearData();

    // The captions and texts as they stand now, in the window's row order.
    SiteFields Fields() const;
    // Sets one box's text as the user's typing would.
    void SetFieldText(SiteField field, const QString& text);

    QLineEdit* TxtFileNumber;
    QLineEdit* TxtDesignNumber;
    QLineEdit* TxtCounty;
    QLineEdit* TxtProject;
    QLineEdit* TxtProjectNumber;
    QLineEdit* TxtStructureLocation;
    QLineEdit* TxtStream;
    QLineEdit* TxtDesigner;

    QLabel* LblFileNumber;
    QLabel* LblDesignNumber;
    QLabel* LblCounty;
    QLabel* LblProject;
    QLabel* LblProjectNumber;
    QLabel* LblStructureLocation;
    QLabel* LblStream;
    QLabel* LblDesigner;

private:
    std::array<QLineEdit*, 8> boxes_;
    std::array<QLabel*, 8> labels_;
};
