// One kind of document as it registers itself with the shell: its document type and the
// factories of its documents and views, the commands it handles, its pages of the Settings
// dialog, and the panes it fills in the main frame. The shell keeps no branch of its own for any.
#pragma once

#include "framework/CDocTemplate.h"
#include "framework/DocumentType.h"
#include "framework/SettingsPage.h"

#include <memory>
#include <vector>

namespace orv {

class CommandRegistry;
class FrameServices;
class Profile;

class DocumentModule {
public:
    virtual ~DocumentModule() = default;

    virtual const DocumentType& documentType() const = 0;
    // Its document and view factories, and what New does for a type that makes no document;
    // the shell adds the document window.
    virtual CDocTemplate::Factories factories() = 0;
    // Its document windows are the designer's: never smaller than the designed window's
    // frame needs, and leaving the colouring toggle to the main frame.
    virtual bool designerFrames() const { return false; }
    // Whether New makes one in this version ("Not yet available" otherwise).
    virtual bool offersNew() const { return true; }

    // The application commands it handles, whatever document is active.
    virtual void installCommands(CommandRegistry& commands) { (void)commands; }
    // Its pages of the Settings dialog, each knowing its place among all the pages.
    virtual std::vector<std::unique_ptr<SettingsPage>> settingsPages() { return {}; }
    // Fills its panes, once the main frame is made.
    virtual void attachToFrame(FrameServices& frame) { (void)frame; }
    // The frame keeps its layout: the module keeps its own state in the profile.
    virtual void saveState(Profile& profile) const { (void)profile; }
    // The frame has accepted to close.
    virtual void frameClosing() {}
};

} // namespace orv
