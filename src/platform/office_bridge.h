#pragma once
// LibreOffice driven through its own automation interface (UNO), by a Python helper
// that Debian's python3-uno provides the bridge for.
#include <string>
#include <vector>

namespace platform {

// What an office automation object was asked to make, gathered until it is released.
struct OfficeRequest {
    std::string component;        // "writer", "calc" or "impress"
    bool newDocument = false;     // a new, untitled document from the default template
    std::string text;             // typed into the new document, line feeds as paragraph breaks
    int sheetsInNewWorkbook = 0;  // 0: left as it is
    bool operator==(const OfficeRequest&) const = default;
};

// The pipe on which the trainer's office listens, one for each user.
std::string officePipeName();

// The office program on the PATH ("soffice" or "libreoffice"), or empty.
std::string officeProgram();

// The argument list that carries out the request: it connects to the office on the
// pipe, starting the office when none listens there, makes the new document and
// types the text. It exits 0 when done, 3 when the bridge is missing, 4 when the
// office does not come up, and otherwise when a call fails.
std::vector<std::string> officeBridgeCommand(const OfficeRequest& request, const std::string& pipe = officePipeName());

// Runs the bridge in the background, so that the windows stay responsive while the
// office starts; a failure is reported in one OK box.
void runOfficeBridge(const OfficeRequest& request);

}  // namespace platform
