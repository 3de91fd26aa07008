#pragma once
// Kv_DlgDesignerData: a dialog template (a background picture with controls laid out on it),
// its file, the real windows it draws on a dialog, and the editing operations of the designer.
//
// Rules the callers rely on:
// - Rectangles are fractions of the picture's size; pixels are derived from the picture only.
// - Controls get resource ids from the template's dynamic range (lowest free id first; id 0
//   once the range is full), so reading the same file twice gives the same ids.
// - The template owns the windows it draws, and only the template that drew them.  Copying a
//   template copies its layout (controls, name, picture, id range) and nothing of its dialog:
//   the copy is not initialised and owns no window, tracker or icon.
// - Every operation on a missing id, index or window returns false or does nothing.
// - Template files are read only from, and written only to, the template folder.

#include <memory>
#include <vector>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "designer/kv_designer_control.h"
#include "win/types.h"

class Kv_DrawnControl;
class Kv_DesignerTracker;

// The controls of a template with their ids, and which of them were selected: what undo and
// redo put back.
struct Kv_DesignerLayout {
    Kv_Array<Kv_DesignerControl> controls;
    Kv_Array<int> selection;
};

// What the dialog does with a Tab key after handleTabKey.
enum Kv_TabMsgHandle {
    kTabHandled = 0,      // the focus moved inside the template; the dialog ignores the key
    kTabNotHandled = 1,   // the dialog handles the key as usual
    kTabPastLast = 2,     // Tab on the last control: move on past the template's controls
    kTabBeforeFirst = 3,  // Shift+Tab on the first control: move back before them
};

// The dialog template ids of the designer's property panel, in the order initialize takes them.
struct Kv_DesignerPanelIds {
    int typeList = 0;
    int contentsCaption = 0;
    int contentsField = 0;
    int listCaption = 0;
    int listField = 0;
};

class Kv_DlgDesignerData {
public:
    Kv_DlgDesignerData();
    virtual ~Kv_DlgDesignerData();
    Kv_DlgDesignerData(const Kv_DlgDesignerData& other);
    Kv_DlgDesignerData& operator=(const Kv_DlgDesignerData& other);

    // ---- File (designer_template_file.cpp) ---------------------------------------------------
    // The most controls a template file may hold: a dialog shows at most a hundred (the id
    // range), and an index beyond this in a file is damage, not a layout.
    static constexpr int kMaxFileControls = 1000;
    // False, with the template unchanged, for a missing file or one outside the template folder.
    // False also for a file whose property list cannot be read or that holds values of a
    // control index beyond kMaxFileControls: the template then has the file's name and picture
    // but no controls, and a line on the command line names the file.
    bool readFromFile(const Kv_String& path, bool withPicture);
    // Writes nothing outside the template folder (false); the file is replaced whole or not at
    // all.  Copies the picture of the old name to the new one.
    bool writeToFile(const Kv_String& path);
    // Loads the picture (white is transparent).  A missing file changes nothing; a file that is
    // no picture leaves the template without one (size 0 by 0).  True when a picture was loaded.
    bool attachBitmap(const Kv_String& path);
    // The template has no picture afterwards.
    void detachBitmap() { releasePicture(); }
    // The template name of a path: below the template folder, without extension, with '\'
    // between folders.  False for a path outside the folder or one that climbs out of it.
    static bool getNameFromFile(const Kv_String& path, Kv_String& name);
    const Kv_String& getName() const { return m_name; }
    Kv_String getFileName() const;  // template folder + name + ".txt"; empty without name
    HBITMAP getPicture() const { return m_picture; }
    HBITMAP getPictureMask() const { return m_pictureMask; }

    // ---- Controls and ids (kv_dlg_designer_data.cpp) -----------------------------------------
    int getNrControls() const { return m_controls.length(); }
    const Kv_DesignerControl* getControl(int index) const;
    Kv_DesignerControl* getControlWrite(int index);
    const Kv_DesignerControl* getControlFromRes(int resourceId) const;
    bool findCtrlFromResource(int resourceId, int& index) const;
    // Appends a copy and returns the id given to it (0 when the range is full).
    int append(const Kv_DesignerControl& control);
    // The window of the control is not touched.
    void removeControl(int index);
    // Assigns the tab order row by row, each row from left to right.
    void sortAllControls();
    void setDynamicIdRange(int firstId, int lastId);

    // ---- Geometry (kv_dlg_designer_data.cpp) -------------------------------------------------
    double factorToPixels(bool horizontal, double value) const;
    // 0 while the picture has no size: no fraction can be derived from pixels then.
    double pixelsToFactor(bool horizontal, double value) const;
    double getTopLeftX(const Kv_DesignerControl& c) const;
    double getTopLeftY(const Kv_DesignerControl& c) const;
    double getBottomRightX(const Kv_DesignerControl& c) const;
    double getBottomRightY(const Kv_DesignerControl& c) const;
    void setTopLeftX(Kv_DesignerControl& c, double pixels) const;
    void setTopLeftY(Kv_DesignerControl& c, double pixels) const;
    void setBottomRightX(Kv_DesignerControl& c, double pixels) const;
    void setBottomRightY(Kv_DesignerControl& c, double pixels) const;
    double getWidth(const Kv_DesignerControl& c) const;
    double getHeight(const Kv_DesignerControl& c) const;
    void setWidth(Kv_DesignerControl& c, double pixels) const;   // keeps the left edge
    void setHeight(Kv_DesignerControl& c, double pixels) const;  // keeps the bottom edge
    // The rectangle in dialog pixels, each edge rounded to the nearest pixel.
    RECT getPixelRect(const Kv_DesignerControl& c) const;
    void getImageSize(int& width, int& height) const;

    // ---- Running (designer_drawing.cpp, designer_values.cpp) ---------------------------------
    bool initialize(HWND dialog, int firstId, int lastId, int typeListId, int contentsCaptionId, int contentsFieldId,
                    int listCaptionId, int listFieldId, bool designMode);
    void redrawAllControls();
    void removeAllDrawnCtrls();
    // Destroys the window with that id; the control stays in the template.
    bool removeDrawnControl(int resourceId);
    bool drawControl(const Kv_DesignerControl& control);
    HWND getDlgPtr() const { return m_initialised ? m_dialog : nullptr; }
    bool isInitialised() const { return m_initialised; }
    bool isDesignMode() const { return m_designMode; }
    int getNrDrawnControls() const { return static_cast<int>(m_drawn.size()); }
    // Brings every rectangle up to date from its moved window (only when every control has one).
    void updateRectsFromWindows();

    bool getCtrlValue(int id, Kv_String& value) const;
    bool setCtrlValue(int id, const Kv_String& value);
    bool setCtrlReadOnly(int id, bool readOnly);
    bool isADynControl(int id) const;
    bool getDynControlType(int id, Kv_ControlType& type) const;
    bool getFocusedDynControl(int& id) const;
    bool findEditCtrlWithContents(const Kv_String& name, int& index) const;
    bool isTypeBoltCount(int id) const;
    void getAllCtrlNames(Kv_StringArray& names) const;
    bool handleTabKey(UINT key, Kv_TabMsgHandle& result);
    bool setFocusToCtrl(bool first);

    // ---- Flex buttons (designer_flex_buttons.cpp) --------------------------------------------
    void getFlexBtnsGroups(Kv_StringArray& groups) const;
    bool getFlexBtnsInGroup(const Kv_String& group, Kv_Array<int>& all, Kv_Array<int>& marked) const;
    bool getAllFlexVarsOfGroup(const Kv_String& group, Kv_StringArray& vars) const;
    bool findFlexButton(const Kv_String& group, const Kv_String& variable, int& index) const;
    bool getFlexBtnGroupName(int id, Kv_String& group, Kv_String& variable) const;
    bool getFlexBtnStatus(int index, int& state) const;
    bool getSetFlexBtnStatus(bool set, int index, int& state);
    bool setFlexBtnStatus(const Kv_String& group, const Kv_String& variable, int state);
    bool hideAllFlexBtns(const Kv_String& group);

    // ---- Editing (designer_editing.cpp) ------------------------------------------------------
    // Both refuse (false, a message box says why) when the id range has no free id left for
    // every control they would add: a control with id 0 could never be selected or removed.
    bool addNewControl(Kv_ControlType type);
    bool copyCurCtrls();
    bool removeCurControls();
    // Asks for the new width or height with the text entry dialog.
    bool changeCtrlSize(bool horizontal);
    // The same without asking: every selected control gets that many pixels.
    bool changeCurCtrlsSize(bool horizontal, double pixels);
    // Keeps the left (or top) edge.
    void changeCtrlSize(int index, bool horizontal, double pixels);
    bool outlineCurCtrls();
    bool stickRightCurCtrls();
    // The index of the only selected control, -1 otherwise or outside design mode.
    int getCurSel() const;
    // The resource ids of the selected controls, in the order they were selected.
    Kv_Array<int> getSelectedIds() const;
    // Clears the selection, selects these ids and repaints.
    void selectControls(const Kv_Array<int>& ids);
    // Of the given ids, the one whose control lies farthest left (first of equals); -1 if none.
    int findMostLeftCtrl(const Kv_Array<int>& ids) const;
    // The controls as they are drawn now (positions read back from moved windows), ids and
    // selection included.
    Kv_DesignerLayout takeLayout();
    // Puts such a layout back on the initialised template: its controls with their ids, drawn
    // again, and its selection.  (Assigning a template would un-initialise it.)
    void restoreLayout(const Kv_DesignerLayout& layout);

    // ---- Design surface (designer_surface.cpp) -----------------------------------------------
    BOOL OnEraseBkgnd(HDC dc);
    void OnPaint(HDC dc);
    void OnLButtonDown(UINT flags, POINT point);
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);

    // ---- Property panel (designer_property_panel.cpp) ----------------------------------------
    void updatePropsOfCurSel();
    void propsOfCurSelUpdated();
    bool isUpdatingProperties() const { return m_updatingProps; }

private:
    // True when count more ids of the range are free; otherwise tells the person and is false.
    bool hasFreeIdsFor(int count) const;
    void copyLayoutFrom(const Kv_DlgDesignerData& other);
    void releasePicture();
    int nextFreeId() const;
    int drawnIndexOfId(int id) const;  // -1 when no drawn window has the id
    Kv_DrawnControl* drawnOfId(int id) const;
    int controlWithTabOrder(int tabOrder) const;
    bool anyControlEnabled() const;
    void focusControl(const Kv_DesignerControl& control);
    HICON flexIcon();
    void fillCombo(const Kv_DesignerControl& control, HWND combo);
    bool isFlexButtonIndex(int index) const;
    void repaintDialog();
    void trackRubberBand(POINT point);
    void trackSelection(POINT point);
    void trackResize(Kv_DrawnControl& control, int hit, POINT point);

    bool m_initialised = false;
    bool m_updatingProps = false;
    HWND m_dialog = nullptr;
    HICON m_buttonIcon = nullptr;
    std::vector<std::unique_ptr<Kv_DrawnControl>> m_drawn;
    std::unique_ptr<Kv_DesignerTracker> m_tracker;
    HBITMAP m_picture = nullptr;
    HBITMAP m_pictureMask = nullptr;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
    int m_firstDynId = 0;
    int m_lastDynId = 0;
    bool m_designMode = false;
    Kv_DesignerPanelIds m_panelIds;
    Kv_String m_name;
    Kv_Array<Kv_DesignerControl> m_controls;
};

// The folder of the templates: the library folder followed by "Dialog Templates\Dialog Design\".
Kv_String getDesignerRootFolder();
// Adds the names of every template below the folder (subfolders included, "sub\name") to list
// and sorts it.  The list is not emptied first.
void getModuleImages(Kv_StringArray& list);
// The contents of every variable edit field of a template file, read without its picture.
void GetImageDlgCtrlNames(const Kv_String& templateFile, Kv_StringArray& names);
