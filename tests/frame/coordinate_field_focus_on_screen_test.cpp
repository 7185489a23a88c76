// A coordinate field of the real program selects its text when the focus
// comes to it by a click or by Tab, so that a coordinate is typed anew; when
// its window is activated again the field keeps the text half typed in it
// as it was, and the next key goes on after it.
//
// The window's activation comes as X reports it to GTK, handed to GTK inside
// the program, and nothing from the display is handled between the steps:
// the window manager hands the real focus on in its own time.

#include "CurvePageOnScreen.h"
#include "field_click.h"

#include "tools/CurveLineDialogs.h"

#include <wx/app.h>
#include <wx/textctrl.h>

#include <gtk/gtk.h>

#include <ostream>
#include <string>

namespace {

GdkDevice* Keyboard(GdkWindow* window)
{
    return gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_window_get_display(window)));
}

// The main window gains or loses the keyboard focus.
void SendWindowFocus(wxWindow& frame, bool in)
{
    GdkWindow* window = gtk_widget_get_window(frame.GetHandle());
    GdkEvent* event = gdk_event_new(GDK_FOCUS_CHANGE);
    event->focus_change.window = GDK_WINDOW(g_object_ref(window));
    event->focus_change.send_event = TRUE;
    event->focus_change.in = in;
    gdk_event_set_device(event, Keyboard(window));
    gtk_main_do_event(event);
    gdk_event_free(event);
}

// Tab pressed and released in the main window.
void PressTab(wxWindow& frame)
{
    GdkWindow* window = gtk_widget_get_window(frame.GetHandle());
    GdkKeymapKey* keys = nullptr;
    gint keyCount = 0;
    gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_window_get_display(window)), GDK_KEY_Tab, &keys,
                                      &keyCount);
    for (const GdkEventType type : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
        GdkEvent* event = gdk_event_new(type);
        event->key.window = GDK_WINDOW(g_object_ref(window));
        event->key.send_event = TRUE;
        event->key.time = GDK_CURRENT_TIME;
        event->key.keyval = GDK_KEY_Tab;
        event->key.hardware_keycode = keyCount > 0 ? static_cast<guint16>(keys[0].keycode) : 0;
        gdk_event_set_device(event, Keyboard(window));
        gtk_main_do_event(event);
        gdk_event_free(event);
    }
    g_free(keys);
}

enum class FocusComes { ByAClick, ByTab, WithTheWindow };

struct FocusCase {
    const char* name;
    FocusComes how;
    const char* textAfterTheNextKey;  // the field held "10, ", the key is "2"
};

void PrintTo(const FocusCase& focusCase, std::ostream* out)
{
    *out << focusCase.name;
}

class CoordinateFieldFocusOnScreen : public CurvePageOnScreen, public testing::WithParamInterface<FocusCase> {};

TEST_P(CoordinateFieldFocusOnScreen, TheFieldSelectsItsTextOnlyWhenTheFocusComesByAClickOrTab)
{
    ASSERT_TRUE(Start("KLX 1"));
    Command(32855);  // Curve > Rectangle
    auto* point1 = dynamic_cast<wxTextCtrl*>(Control(RECTANGLE_POINT1));
    auto* point2 = dynamic_cast<wxTextCtrl*>(Control(RECTANGLE_POINT2));
    ASSERT_NE(point1, nullptr);
    ASSERT_NE(point2, nullptr);
    ASSERT_TRUE(RunEventsUntil([&] {
        return gtk_widget_get_allocated_width(point1->GetHandle()) > 1
               && gtk_widget_get_allocated_width(point2->GetHandle()) > 1;
    }));
    point2->ChangeValue("10, ");
    SendWindowFocus(Frame(), true);
    switch (GetParam().how) {
    case FocusComes::ByAClick:
        point1->SetFocus();
        ASSERT_TRUE(ClickIntoField(*point2));
        break;
    case FocusComes::ByTab:
        point1->SetFocus();
        PressTab(Frame());
        break;
    case FocusComes::WithTheWindow:
        // "10, " typed into the field: the caret after it, nothing selected.
        point2->SetFocus();
        wxTheApp->ProcessPendingEvents();
        point2->SetInsertionPointEnd();
        SendWindowFocus(Frame(), false);
        wxTheApp->ProcessIdle();
        SendWindowFocus(Frame(), true);
        break;
    }
    wxTheApp->ProcessPendingEvents();
    ASSERT_EQ(wxWindow::FindFocus(), point2);
    point2->WriteText("2");
    EXPECT_EQ(point2->GetValue().utf8_string(), GetParam().textAfterTheNextKey);
}

INSTANTIATE_TEST_SUITE_P(Ways, CoordinateFieldFocusOnScreen,
                         testing::Values(FocusCase{"ByAClick", FocusComes::ByAClick, "2"},
                                         FocusCase{"ByTab", FocusComes::ByTab, "2"},
                                         FocusCase{"WithTheWindow", FocusComes::WithTheWindow, "10, 2"}),
                         [](const testing::TestParamInfo<FocusCase>& info) { return std::string(info.param.name); });

}  // namespace
