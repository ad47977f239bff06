// The spreadsheet that items with a "DDE:" address read and write, seen by the step as one
// client conversation. The program uses the NS.csv stand-in (csv_spreadsheet.h); tests may
// give a fake.
#pragma once

#include <string>

namespace lumeris {

class SpreadsheetLink {
  public:
    virtual ~SpreadsheetLink() = default;

    // Points the client item at the cell, opening the link first when it is not open, and
    // returns the client item's text: the cell's text when the link is open, else the text
    // of the last request that was made (empty when none ever was).
    virtual std::string readCell(const std::string& cell) = 0;
    // Sends the text to the cell; nothing is sent while the link is not open.
    virtual void pokeCell(const std::string& cell, const std::string& text) = 0;
    // Called once at the end of every step that ran: delivers that step's pokes.
    virtual void endStep() = 0;
};

} // namespace lumeris
