// A designed window built in the core for the grid tests: a column layout holding a
// button, a second button and a text scroll list, every element with a recording preview,
// and the shipped command database loaded.
#pragma once

#include "../core/uimodel/RecordingPreview.h"

#include "mel/CommandDatabase.h"
#include "uimodel/CUIColumnLayout.h"
#include "uimodel/CUILabelledControls.h"
#include "uimodel/CUITextScrollList.h"
#include "uimodel/CUIWindow.h"

#include <QtTest>

namespace orv::test {

inline void loadShippedDatabase()
{
    QCOMPARE(LoadMelCommandDatabase(ORVANTE_DATABASE_DIR "/melcmd.dat"), LoadResult::ok);
}

struct DesignedWindow {
    explicit DesignedWindow(int booleanStyle = 1)
    {
        settings.booleanStyle = static_cast<BooleanStyle>(booleanStyle);
        window.attachPreview(previews.createPreview(window, nullptr));
        column = &add<CUIColumnLayout>(window);
        button = &add<CUIButton>(*column);
        second = &add<CUIButton>(*column);
        list = &add<CUITextScrollList>(*column);
    }

    template <class T>
    T& add(CUIElement& parent)
    {
        auto element = std::make_unique<T>(parent);
        T& ref = *element;
        element->attachPreview(previews.createPreview(ref, parent.preview()));
        if (!parent.AddChild(std::move(element)))
            qFatal("the parent refused a child");
        return ref;
    }

    static PreviewRecord& record(const CUIElement& element)
    {
        return static_cast<RecordingPreview*>(element.preview())->record();
    }

    SettingsRecord settings;
    UIModelContext context{settings};
    RecordingFactory previews;
    CUIWindow window{context};
    CUIColumnLayout* column = nullptr;
    CUIButton* button = nullptr;
    CUIButton* second = nullptr;
    CUITextScrollList* list = nullptr;
};

} // namespace orv::test
