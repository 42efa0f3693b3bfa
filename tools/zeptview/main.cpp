// SPDX-License-Identifier: MIT
// zeptview: browse the profile catalogs and place a section with the mouse.
// The tree of catalogs under a search box is on the left, the preview in
// the middle (a ZEPTCWndPresenter painting into a CWnd whose pixels the
// drawing area shows), the properties and settings on the right, the
// placement in the status bar. GTK's main loop is single-threaded, like
// the presenter.
#include <glib-unix.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Utf8.h"
#include "platform/gdi/KeyState.h"
#include "platform/settings/ZEPTEnvAppSet.h"
#include "tools/common/ArgumentText.h"
#include "tools/common/ToolFolders.h"
#include "tools/zeptview/CatalogTree.h"
#include "tools/zeptview/PrincipalAxes.h"
#include "tools/zeptview/PropertiesPanel.h"
#include "tools/zeptview/RegionImport.h"
#include "tools/zeptview/SearchBox.h"
#include "tools/zeptview/ViewerSettings.h"

namespace {

constexpr int kVkShift = 0x10, kVkControl = 0x11;
constexpr unsigned kMkShift = 0x0004, kMkControl = 0x0008;

struct Options {
  std::string data, app, select, screenshot, exportFile, dxf;
  bool inches = false;
  bool printState = false;
  int width = 1280, height = 800;
  // Given on the command line, so not taken from the remembered state.
  bool givenUnits = false, givenSize = false;
};

enum TreeColumn { kColText, kColDescription, kColCatalog, kColName, kColDims, kColumns };

struct Element {
  ZEPTCWndPresenter::cwndElement bit;
  char const* label;
};
constexpr Element kElements[] = {
    {ZEPTCWndPresenter::cwndBackground, "Background"}, {ZEPTCWndPresenter::cwndFrame, "Frame"},
    {ZEPTCWndPresenter::cwndHatch, "Hatch"},           {ZEPTCWndPresenter::cwndContour, "Contour"},
    {ZEPTCWndPresenter::cwndPath, "Path arrow"},       {ZEPTCWndPresenter::cwndAxes, "Axes"},
    {ZEPTCWndPresenter::cwndPoint, "Snap points"},     {ZEPTCWndPresenter::cwndDimLine, "Dimension lines"},
    {ZEPTCWndPresenter::cwndDimValue, "Dimension values"},
    {ZEPTCWndPresenter::cwndDimDesc, "Dimension names"}};

struct Viewer {
  Options options;
  GtkApplication* app = nullptr;
  GtkWidget* window = nullptr;
  GtkWidget* tree = nullptr;
  GtkTreeStore* store = nullptr;
  GtkWidget* area = nullptr;
  GtkWidget* status = nullptr;
  GtkWidget* message = nullptr;
  GtkWidget* hatchAngle = nullptr;
  std::unique_ptr<zeptview::PropertiesPanel> properties;
  // The shown section's principal axes, where they are turned from y and z.
  std::optional<DtGePoint2d> principalCentre;
  double principalAngle = 0;

  std::unique_ptr<CWnd> wnd;
  ZEPTCWndPresenter presenter;
  ZEPTCrossSection cs;
  ZEPTDBProfileData record;
  bool haveSection = false;
  bool fromDrawing = false;
  zeptview::ViewSettings settings;
  std::optional<zeptview::Selection> current;
  std::vector<zeptview::ProfileCatalog> catalogs;

  double pointerX = 0, pointerY = 0;
  double dragX = 0, dragY = 0;
  guint dragButton = 0;
  bool screenshotPending = false;
  bool areaPrinted = false;
  // Why a scripted --select or --dxf showed nothing: an export of an empty
  // picture is refused with it.
  std::string scriptFailure;
  // What the next run starts with; scripted runs (--screenshot, --export)
  // read it but leave it as it is.
  zeptview::RememberedState remembered;
  std::filesystem::path stateFile;
  bool remember = false;
};

void rememberState(Viewer& v) {
  if (!v.remember || !v.window) return;
  v.remembered.view = v.settings;
  if (v.properties) v.remembered.units = v.properties->units();
  if (v.current) v.remembered.selection = v.current->catalog + " " + v.current->name + " " + v.current->dims;
  // A maximised window's size is the screen's, not one to open with.
  if (!gtk_window_is_maximized(GTK_WINDOW(v.window)) && !gtk_window_is_fullscreen(GTK_WINDOW(v.window)))
    gtk_window_get_default_size(GTK_WINDOW(v.window), &v.remembered.width, &v.remembered.height);
  zeptview::saveState(v.stateFile, v.remembered);
}

void setMessage(Viewer& v, std::string const& text) { gtk_label_set_text(GTK_LABEL(v.message), text.c_str()); }

void updateStatus(Viewer& v) {
  const std::string text = v.haveSection ? zeptview::statusText(v.presenter, v.cs, v.settings.inches) : "";
  gtk_label_set_text(GTK_LABEL(v.status), text.c_str());
  if (v.options.printState && v.haveSection) {
    std::printf("state %s\n", text.c_str());
    std::fflush(stdout);
  }
}

// A new section, settings or window: the view is fitted again.
void repaint(Viewer& v) {
  if (v.wnd && v.haveSection) zeptview::arrangeView(v.presenter, *v.wnd, v.cs, v.settings, true);
  else if (v.wnd) v.presenter.drawSection();
  gtk_widget_queue_draw(v.area);
}

void showValues(Viewer& v) {
  v.principalCentre.reset();
  if (!v.properties) return;
  if (!v.haveSection) return v.properties->clear();
  auto facts = zeptview::sectionFacts(v.cs, v.record, !v.fromDrawing, v.settings.inches);
  v.principalCentre = facts.principalCentre;
  v.principalAngle = facts.principalAngle;
  v.properties->show(std::move(facts));
}

// Builds the current size (or keeps the drawing's section) and shows it. A
// new size starts at the axes unturned; the same size in other units keeps
// its placement, the offset converted. The presenter keeps its own copy of
// the placement: told to take it from the section again, else it paints
// the old one.
void rebuild(Viewer& v, bool keepPlacement = false, double offsetFactor = 1.0) {
  if (!v.current) return;
  DtGePoint2d const offset = v.cs.getOffset();
  double const alpha = v.cs.getAlpha();
  v.cs = ZEPTCrossSection();
  const std::string error = zeptview::buildSection(v.cs, *v.current, v.settings.inches, v.record);
  v.haveSection = error.empty();
  v.fromDrawing = false;
  if (v.haveSection) zeptview::setDimLines(v.cs, v.settings.heightDimLine, v.settings.widthDimLine);
  else v.cs = ZEPTCrossSection();
  DtGePoint2d const placed = keepPlacement ? DtGePoint2d(offset.x * offsetFactor, offset.y * offsetFactor) : DtGePoint2d();
  v.cs.setOffset(placed);
  v.cs.setAlpha(keepPlacement ? alpha : 0.0);
  v.presenter.setOffset(nullptr, nullptr);
  const std::string size = v.current->catalog + " " + v.current->name + " " + v.current->dims;
  setMessage(v, error.empty() ? size : error);
  if (v.options.printState && v.haveSection) std::printf("selected %s\n", size.c_str());
  showValues(v);
  repaint(v);
  updateStatus(v);
  rememberState(v);
}

void settingsChanged(Viewer& v) {
  zeptview::applySettings(v.settings, v.presenter);
  gtk_widget_set_sensitive(v.hatchAngle, v.settings.hatchType < 0);
  if (v.haveSection) zeptview::setDimLines(v.cs, v.settings.heightDimLine, v.settings.widthDimLine);
  repaint(v);
  updateStatus(v);
  rememberState(v);
}

// The picture fitted to the area again: the wheel's zoom undone. A copy of
// the presenter starts unzoomed and keeps the rest.
void fitView(Viewer& v) {
  v.presenter = ZEPTCWndPresenter(v.presenter);
  repaint(v);
  updateStatus(v);
}

// ---- the tree -------------------------------------------------------------

void fillTree(Viewer& v) {
  for (auto const& c : v.catalogs) {
    GtkTreeIter catalogIter;
    gtk_tree_store_append(v.store, &catalogIter, nullptr);
    const char* app = std::getenv("ZEPT_APP_PATH");
    const char* data = std::getenv("ZEPT_DATA_PATH");
    const bool oneFolder = app && data && std::string(app) == data;
    const std::string note = !c.error.empty()            ? c.error
                             : c.atApp && !oneFolder ? "application folder"
                                                     : "data folder";
    gtk_tree_store_set(v.store, &catalogIter, kColText, c.catalog.c_str(), kColDescription, note.c_str(), -1);
    for (auto const& n : c.names) {
      GtkTreeIter nameIter;
      gtk_tree_store_append(v.store, &nameIter, &catalogIter);
      gtk_tree_store_set(v.store, &nameIter, kColText, n.name.c_str(), kColDescription, n.description.c_str(), -1);
      for (auto const& d : n.sizes) {
        GtkTreeIter sizeIter;
        const std::string text = n.name + " " + d;
        gtk_tree_store_append(v.store, &sizeIter, &nameIter);
        gtk_tree_store_set(v.store, &sizeIter, kColText, text.c_str(), kColCatalog, c.catalog.c_str(), kColName,
                           n.name.c_str(), kColDims, d.c_str(), -1);
      }
    }
  }
}

void onTreeSelection(GtkTreeSelection* selection, gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  GtkTreeModel* model = nullptr;
  GtkTreeIter iter;
  if (!gtk_tree_selection_get_selected(selection, &model, &iter)) return;
  gchar *catalog = nullptr, *name = nullptr, *dims = nullptr;
  gtk_tree_model_get(model, &iter, kColCatalog, &catalog, kColName, &name, kColDims, &dims, -1);
  if (catalog && name && dims) {
    v.current = zeptview::Selection{catalog, name, dims};
    rebuild(v);
  }
  g_free(catalog);
  g_free(name);
  g_free(dims);
}

// Selects, expands to and shows the tree row of a size.
bool selectInTree(Viewer& v, zeptview::Selection const& s) {
  GtkTreeModel* model = GTK_TREE_MODEL(v.store);
  GtkTreeIter c, n, d;
  for (bool okC = gtk_tree_model_get_iter_first(model, &c); okC; okC = gtk_tree_model_iter_next(model, &c))
    for (bool okN = gtk_tree_model_iter_children(model, &n, &c); okN; okN = gtk_tree_model_iter_next(model, &n))
      for (bool okD = gtk_tree_model_iter_children(model, &d, &n); okD; okD = gtk_tree_model_iter_next(model, &d)) {
        gchar *catalog = nullptr, *name = nullptr, *dims = nullptr;
        gtk_tree_model_get(model, &d, kColCatalog, &catalog, kColName, &name, kColDims, &dims, -1);
        const bool hit = catalog && name && dims && s.catalog == catalog && s.name == name && s.dims == dims;
        g_free(catalog);
        g_free(name);
        g_free(dims);
        if (!hit) continue;
        GtkTreePath* path = gtk_tree_model_get_path(model, &d);
        gtk_tree_view_expand_to_path(GTK_TREE_VIEW(v.tree), path);
        gtk_tree_view_set_cursor(GTK_TREE_VIEW(v.tree), path, nullptr, FALSE);
        gtk_tree_view_scroll_to_cell(GTK_TREE_VIEW(v.tree), path, nullptr, TRUE, 0.3f, 0.0f);
        gtk_tree_path_free(path);
        return true;
      }
  return false;
}

GtkWidget* makeTree(Viewer& v) {
  v.store = gtk_tree_store_new(kColumns, G_TYPE_STRING, G_TYPE_STRING, G_TYPE_STRING, G_TYPE_STRING, G_TYPE_STRING);
  fillTree(v);
  v.tree = gtk_tree_view_new_with_model(GTK_TREE_MODEL(v.store));
  g_object_unref(v.store);  // the view holds it
  // The search box finds sizes in collapsed rows too; the tree's own
  // type-ahead would compete with it for the keys.
  gtk_tree_view_set_enable_search(GTK_TREE_VIEW(v.tree), FALSE);
  GtkCellRenderer* text = gtk_cell_renderer_text_new();
  gtk_tree_view_append_column(GTK_TREE_VIEW(v.tree),
                              gtk_tree_view_column_new_with_attributes("Profile", text, "text", kColText, nullptr));
  GtkCellRenderer* desc = gtk_cell_renderer_text_new();
  g_object_set(desc, "foreground", "#606060", "ellipsize", PANGO_ELLIPSIZE_END, nullptr);
  GtkTreeViewColumn* descColumn = gtk_tree_view_column_new_with_attributes("Description", desc, "text", kColDescription, nullptr);
  gtk_tree_view_column_set_expand(descColumn, TRUE);
  gtk_tree_view_append_column(GTK_TREE_VIEW(v.tree), descColumn);
  g_signal_connect(gtk_tree_view_get_selection(GTK_TREE_VIEW(v.tree)), "changed", G_CALLBACK(onTreeSelection), &v);
  GtkWidget* scroll = gtk_scrolled_window_new();
  // No horizontal scrolling: descriptions are cut to the pane with an ellipsis.
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroll), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
  gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scroll), v.tree);
  GtkWidget* search = zeptview::makeSearchBox(v.catalogs, scroll, v.window, [&v](zeptview::Selection const& s) {
    selectInTree(v, s);
    gtk_widget_grab_focus(v.tree);
  });
  gtk_widget_set_size_request(search, 280, -1);
  return search;
}

// ---- the preview ----------------------------------------------------------

void onDraw(GtkDrawingArea*, cairo_t* cr, int width, int height, gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  if (!v.wnd) return;
  int stride = 0;
  unsigned char const* pixels = v.wnd->GetPixelData(stride);
  CRect r;
  v.wnd->GetClientRect(&r);
  if (!pixels) return;
  // Cairo only reads the pixels: the window keeps them as they are.
  cairo_surface_t* image = cairo_image_surface_create_for_data(const_cast<unsigned char*>(pixels), CAIRO_FORMAT_RGB24,
                                                               r.Width(), r.Height(), stride);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_rectangle(cr, 0, 0, std::min(width, r.Width()), std::min(height, r.Height()));
  cairo_fill(cr);
  cairo_surface_destroy(image);
  if (v.haveSection && v.principalCentre && v.settings.principalAxes)
    zeptview::drawPrincipalAxes(cr, v.presenter, v.cs, *v.principalCentre, v.principalAngle, std::min(width, r.Width()),
                                std::min(height, r.Height()));
}

void onResize(GtkDrawingArea*, int width, int height, gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  auto wnd = std::make_unique<CWnd>(width, height);
  v.presenter.defineWindow(wnd.get());
  v.wnd = std::move(wnd);
  repaint(v);
}

// The flags of the moment: the event's modifiers, which also become the
// keyboard state that GetKeyState reports.
unsigned keyFlags(GtkEventController* controller) {
  const GdkModifierType state = gtk_event_controller_get_current_event_state(controller);
  const bool shift = state & GDK_SHIFT_MASK, control = state & GDK_CONTROL_MASK;
  zept::gdi::setKeyState(kVkShift, shift);
  zept::gdi::setKeyState(kVkControl, control);
  return (shift ? kMkShift : 0u) | (control ? kMkControl : 0u);
}

CPoint pixel(double x, double y) { return CPoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))); }

void afterStep(Viewer& v) {
  gtk_widget_queue_draw(v.area);
  updateStatus(v);
}

void onDragBegin(GtkGestureDrag* gesture, double x, double y, gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  const unsigned flags = keyFlags(GTK_EVENT_CONTROLLER(gesture));
  v.dragButton = gtk_gesture_single_get_current_button(GTK_GESTURE_SINGLE(gesture));
  v.dragX = x;
  v.dragY = y;
  gtk_widget_grab_focus(v.area);
  if (v.dragButton == GDK_BUTTON_PRIMARY) v.presenter.OnLButtonDown(flags, pixel(x, y));
  else if (v.dragButton == GDK_BUTTON_SECONDARY) v.presenter.OnRButtonDown(flags, pixel(x, y));
  afterStep(v);
}

void onDragUpdate(GtkGestureDrag* gesture, double dx, double dy, gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  if (v.presenter.OnMouseMove(keyFlags(GTK_EVENT_CONTROLLER(gesture)), pixel(v.dragX + dx, v.dragY + dy)))
    afterStep(v);
}

void onDragEnd(GtkGestureDrag* gesture, double dx, double dy, gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  const unsigned flags = keyFlags(GTK_EVENT_CONTROLLER(gesture));
  const CPoint at = pixel(v.dragX + dx, v.dragY + dy);
  if (v.dragButton == GDK_BUTTON_PRIMARY) v.presenter.OnLButtonUp(flags, at);
  else if (v.dragButton == GDK_BUTTON_SECONDARY) v.presenter.OnRButtonUp(flags, at);
  v.dragButton = 0;
  if (v.wnd && v.haveSection) zeptview::arrangeView(v.presenter, *v.wnd, v.cs, v.settings, false);
  afterStep(v);
}

void onMotion(GtkEventControllerMotion*, double x, double y, gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  v.pointerX = x;
  v.pointerY = y;
}

gboolean onScroll(GtkEventControllerScroll* controller, double, double dy, gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  const double notches = -dy * 120;  // down is backwards
  if (notches == 0) return TRUE;
  const short delta = static_cast<short>(std::clamp(notches, -32767.0, 32767.0));
  v.presenter.OnMouseWheel(keyFlags(GTK_EVENT_CONTROLLER(controller)), delta, pixel(v.pointerX, v.pointerY));
  if (v.wnd && v.haveSection) zeptview::arrangeView(v.presenter, *v.wnd, v.cs, v.settings, false);
  afterStep(v);
  return TRUE;
}

void trackKey(guint keyval, bool down) {
  if (keyval == GDK_KEY_Shift_L || keyval == GDK_KEY_Shift_R) zept::gdi::setKeyState(kVkShift, down);
  if (keyval == GDK_KEY_Control_L || keyval == GDK_KEY_Control_R) zept::gdi::setKeyState(kVkControl, down);
}

gboolean onKeyPressed(GtkEventControllerKey*, guint keyval, guint, GdkModifierType, gpointer) {
  trackKey(keyval, true);
  return FALSE;
}

void onKeyReleased(GtkEventControllerKey*, guint keyval, guint, GdkModifierType, gpointer) { trackKey(keyval, false); }

GtkWidget* makePreview(Viewer& v) {
  v.area = gtk_drawing_area_new();
  gtk_widget_set_hexpand(v.area, TRUE);
  gtk_widget_set_vexpand(v.area, TRUE);
  gtk_widget_set_focusable(v.area, TRUE);
  gtk_widget_set_size_request(v.area, 200, 200);
  gtk_drawing_area_set_draw_func(GTK_DRAWING_AREA(v.area), onDraw, &v, nullptr);
  g_signal_connect(v.area, "resize", G_CALLBACK(onResize), &v);

  GtkGesture* drag = gtk_gesture_drag_new();
  gtk_gesture_single_set_button(GTK_GESTURE_SINGLE(drag), 0);  // every button
  g_signal_connect(drag, "drag-begin", G_CALLBACK(onDragBegin), &v);
  g_signal_connect(drag, "drag-update", G_CALLBACK(onDragUpdate), &v);
  g_signal_connect(drag, "drag-end", G_CALLBACK(onDragEnd), &v);
  gtk_widget_add_controller(v.area, GTK_EVENT_CONTROLLER(drag));

  GtkEventController* motion = gtk_event_controller_motion_new();
  g_signal_connect(motion, "motion", G_CALLBACK(onMotion), &v);
  gtk_widget_add_controller(v.area, motion);

  GtkEventController* scroll =
      gtk_event_controller_scroll_new(GtkEventControllerScrollFlags(GTK_EVENT_CONTROLLER_SCROLL_VERTICAL |
                                                                    GTK_EVENT_CONTROLLER_SCROLL_DISCRETE));
  g_signal_connect(scroll, "scroll", G_CALLBACK(onScroll), &v);
  gtk_widget_add_controller(v.area, scroll);

  GtkWidget* frame = gtk_frame_new(nullptr);
  gtk_frame_set_child(GTK_FRAME(frame), v.area);
  return frame;
}

// ---- settings -------------------------------------------------------------

template <typename Setter>
GtkWidget* check(Viewer& v, char const* label, bool active, Setter set) {
  GtkWidget* button = gtk_check_button_new_with_label(label);
  gtk_check_button_set_active(GTK_CHECK_BUTTON(button), active);
  auto* closure = new Setter(set);
  struct Call {
    static void toggled(GtkCheckButton* b, gpointer data) {
      auto* pair = static_cast<std::pair<Viewer*, Setter*>*>(data);
      (*pair->second)(gtk_check_button_get_active(b));
      settingsChanged(*pair->first);
    }
    static void free(gpointer data, GClosure*) {
      auto* pair = static_cast<std::pair<Viewer*, Setter*>*>(data);
      delete pair->second;
      delete pair;
    }
  };
  g_signal_connect_data(button, "toggled", G_CALLBACK(Call::toggled), new std::pair<Viewer*, Setter*>(&v, closure),
                        Call::free, GConnectFlags(0));
  return button;
}

GtkWidget* spin(Viewer& v, double* value, double min, double max, double step, int digits) {
  GtkWidget* button = gtk_spin_button_new_with_range(min, max, step);
  gtk_spin_button_set_digits(GTK_SPIN_BUTTON(button), digits);
  gtk_spin_button_set_value(GTK_SPIN_BUTTON(button), *value);
  g_object_set_data(G_OBJECT(button), "viewer", &v);
  g_signal_connect(button, "value-changed", G_CALLBACK(+[](GtkSpinButton* b, gpointer data) {
                     *static_cast<double*>(data) = gtk_spin_button_get_value(b);
                     settingsChanged(*static_cast<Viewer*>(g_object_get_data(G_OBJECT(b), "viewer")));
                   }),
                   value);
  return button;
}

GtkWidget* labelled(char const* label, GtkWidget* widget) {
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
  GtkWidget* text = gtk_label_new(label);
  gtk_widget_set_hexpand(text, TRUE);
  gtk_label_set_xalign(GTK_LABEL(text), 0);
  gtk_box_append(GTK_BOX(box), text);
  gtk_box_append(GTK_BOX(box), widget);
  return box;
}

GtkWidget* heading(char const* text) {
  GtkWidget* label = gtk_label_new(nullptr);
  char* markup = g_markup_printf_escaped("<b>%s</b>", text);
  gtk_label_set_markup(GTK_LABEL(label), markup);
  g_free(markup);
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  gtk_widget_set_margin_top(label, 8);
  return label;
}

GtkWidget* makeSettings(Viewer& v) {
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 4);
  gtk_widget_set_margin_start(box, 8);
  gtk_widget_set_margin_end(box, 8);
  gtk_widget_set_margin_bottom(box, 8);

  gtk_box_append(GTK_BOX(box), heading("Settings"));
  GtkWidget* units = gtk_drop_down_new_from_strings((char const* const[]){"mm", "in", nullptr});
  gtk_drop_down_set_selected(GTK_DROP_DOWN(units), v.settings.inches ? 1 : 0);
  g_signal_connect(units, "notify::selected", G_CALLBACK(+[](GObject* d, GParamSpec*, gpointer data) {
                     Viewer& v = *static_cast<Viewer*>(data);
                     bool const inches = gtk_drop_down_get_selected(GTK_DROP_DOWN(d)) == 1;
                     double const factor = inches == v.settings.inches ? 1.0 : inches ? 1.0 / 25.4 : 25.4;
                     v.settings.inches = inches;
                     rebuild(v, true, factor);
                   }),
                   &v);
  gtk_box_append(GTK_BOX(box), labelled("Drawing units", units));

  gtk_box_append(GTK_BOX(box), heading("Hatch"));
  GtkWidget* hatch = gtk_drop_down_new_from_strings((char const* const[]){
      "Pattern 0", "Pattern 1", "Pattern 2", "Pattern 3", "Pattern 4", "Pattern 5", "Free angle", nullptr});
  gtk_drop_down_set_selected(GTK_DROP_DOWN(hatch), v.settings.hatchType < 0 ? 6 : v.settings.hatchType);
  g_signal_connect(hatch, "notify::selected", G_CALLBACK(+[](GObject* d, GParamSpec*, gpointer data) {
                     Viewer& v = *static_cast<Viewer*>(data);
                     const guint selected = gtk_drop_down_get_selected(GTK_DROP_DOWN(d));
                     v.settings.hatchType = selected >= 6 ? -1 : static_cast<int>(selected);
                     settingsChanged(v);
                   }),
                   &v);
  gtk_box_append(GTK_BOX(box), labelled("Type", hatch));
  v.hatchAngle = spin(v, &v.settings.hatchAngle, 0, 179.9, 5, 1);
  gtk_widget_set_sensitive(v.hatchAngle, v.settings.hatchType < 0);
  gtk_box_append(GTK_BOX(box), labelled("Free angle (°)", v.hatchAngle));

  gtk_box_append(GTK_BOX(box), heading("Show"));
  GtkWidget* grid = gtk_grid_new();
  int i = 0;
  for (auto const& e : kElements) {
    const unsigned bit = e.bit;
    gtk_grid_attach(GTK_GRID(grid),
                    check(v, e.label, v.settings.visible & bit,
                          [&v, bit](bool on) { v.settings.visible = on ? v.settings.visible | bit : v.settings.visible & ~bit; }),
                    i % 2, i / 2, 1, 1);
    ++i;
  }
  gtk_grid_attach(GTK_GRID(grid), check(v, "Height dimension", v.settings.heightDimLine, [&v](bool on) { v.settings.heightDimLine = on; }),
                  0, i / 2 + 1, 1, 1);
  GtkWidget* principal = check(v, "Principal axes u, v", v.settings.principalAxes, [&v](bool on) { v.settings.principalAxes = on; });
  gtk_widget_set_tooltip_text(principal, "Where they are turned from y and z, as in angles");
  gtk_grid_attach(GTK_GRID(grid), principal, 0, i / 2 + 2, 1, 1);
  gtk_grid_attach(GTK_GRID(grid), check(v, "Width dimension", v.settings.widthDimLine, [&v](bool on) { v.settings.widthDimLine = on; }),
                  1, i / 2 + 1, 1, 1);
  gtk_box_append(GTK_BOX(box), grid);

  gtk_box_append(GTK_BOX(box), heading("Placing"));
  gtk_box_append(GTK_BOX(box), check(v, "Lock axis (the axes move)", v.settings.lockAxis, [&v](bool on) { v.settings.lockAxis = on; }));
  gtk_box_append(GTK_BOX(box), check(v, "Alternate rotation (about the axes)", v.settings.alternateRotation,
                                     [&v](bool on) { v.settings.alternateRotation = on; }));
  gtk_box_append(GTK_BOX(box), labelled("Offset step", spin(v, &v.settings.offsetPrecision, 0, 1000, 0.5, 2)));
  gtk_box_append(GTK_BOX(box), labelled("Angle step (°)", spin(v, &v.settings.anglePrecision, 0, 90, 0.5, 2)));
  gtk_box_append(GTK_BOX(box), labelled("Path angle step (°)", spin(v, &v.settings.pathAnglePrecision, 0, 90, 0.5, 2)));
  return box;
}

GtkWidget* makeSidePanel(Viewer& v) {
  v.properties = std::make_unique<zeptview::PropertiesPanel>(v.remembered.units,
                                                             [&v](zeptview::PropertyUnits) { rememberState(v); });
  auto scrolled = [](GtkWidget* child) {
    GtkWidget* scroll = gtk_scrolled_window_new();
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroll), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
    gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scroll), child);
    return scroll;
  };
  // Both halves scroll, so that a small window still reaches every setting.
  GtkWidget* paned = gtk_paned_new(GTK_ORIENTATION_VERTICAL);
  gtk_paned_set_start_child(GTK_PANED(paned), scrolled(v.properties->widget()));
  gtk_paned_set_end_child(GTK_PANED(paned), scrolled(makeSettings(v)));
  gtk_paned_set_shrink_start_child(GTK_PANED(paned), FALSE);
  gtk_paned_set_shrink_end_child(GTK_PANED(paned), FALSE);
  gtk_paned_set_position(GTK_PANED(paned), std::max(200, v.options.height * 3 / 5));
  gtk_widget_set_size_request(paned, 340, -1);
  showValues(v);
  return paned;
}

// ---- export and drawings ----------------------------------------------------

void exportTo(Viewer& v, std::string const& file) {
  if (!v.wnd) return setMessage(v, "nothing to export");
  setMessage(v, v.wnd->SaveImage(file) ? "exported " + file : "could not write " + file + " (.png or .svg)");
}

void openDrawing(Viewer& v, std::string const& file) {
  ZEPTCrossSection cs;
  const std::string error = zeptview::sectionFromDrawing(cs, file, v.settings.inches);
  if (!error.empty()) {
    v.scriptFailure = error;
    return setMessage(v, error);
  }
  v.cs = cs;
  v.haveSection = true;
  v.fromDrawing = true;
  v.current.reset();
  zeptview::setDimLines(v.cs, v.settings.heightDimLine, v.settings.widthDimLine);
  setMessage(v, "drawing " + file);
  showValues(v);
  repaint(v);
  updateStatus(v);
}

void chooseFile(Viewer& v, bool save) {
  GtkFileChooserNative* chooser = gtk_file_chooser_native_new(
      save ? "Export the picture (.png or .svg)" : "Open a DXF drawing", GTK_WINDOW(v.window),
      save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, save ? "Export" : "Open", "Cancel");
  if (save) gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(chooser), "section.png");
  g_object_set_data(G_OBJECT(chooser), "save", GINT_TO_POINTER(save));
  g_signal_connect(chooser, "response", G_CALLBACK(+[](GtkNativeDialog* d, int response, gpointer data) {
                     Viewer& v = *static_cast<Viewer*>(data);
                     if (response == GTK_RESPONSE_ACCEPT) {
                       GFile* file = gtk_file_chooser_get_file(GTK_FILE_CHOOSER(d));
                       if (char* path = file ? g_file_get_path(file) : nullptr) {
                         if (g_object_get_data(G_OBJECT(d), "save")) exportTo(v, path);
                         else openDrawing(v, path);
                         g_free(path);
                       }
                       if (file) g_object_unref(file);
                     }
                     g_object_unref(d);
                   }),
                   &v);
  gtk_native_dialog_show(GTK_NATIVE_DIALOG(chooser));
}

// ---- scripted runs ------------------------------------------------------------

// The window as GTK renders it, into a PNG.
bool snapshotWindow(Viewer& v, std::string const& file) {
  const int w = gtk_widget_get_width(v.window), h = gtk_widget_get_height(v.window);
  GdkPaintable* paintable = gtk_widget_paintable_new(v.window);
  GtkSnapshot* snapshot = gtk_snapshot_new();
  gdk_paintable_snapshot(paintable, snapshot, w, h);
  GskRenderNode* node = gtk_snapshot_free_to_node(snapshot);
  bool ok = false;
  if (node) {
    GskRenderer* renderer = gtk_native_get_renderer(GTK_NATIVE(v.window));
    const graphene_rect_t bounds = GRAPHENE_RECT_INIT(0, 0, static_cast<float>(w), static_cast<float>(h));
    GdkTexture* texture = gsk_renderer_render_texture(renderer, node, &bounds);
    ok = texture && gdk_texture_save_to_png(texture, file.c_str());
    if (texture) g_object_unref(texture);
    gsk_render_node_unref(node);
  }
  g_object_unref(paintable);
  return ok;
}

void printArea(Viewer& v) {
  graphene_rect_t bounds;
  double sx = 0, sy = 0;
  if (!gtk_widget_compute_bounds(v.area, v.window, &bounds)) return;
  gtk_native_get_surface_transform(GTK_NATIVE(v.window), &sx, &sy);
  std::printf("area %d %d %d %d\n", static_cast<int>(bounds.origin.x + sx), static_cast<int>(bounds.origin.y + sy),
              static_cast<int>(bounds.size.width), static_cast<int>(bounds.size.height));
  std::fflush(stdout);
}

gboolean finishScripted(gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  int status = 0;
  if (!v.options.exportFile.empty() && !v.haveSection) {
    std::fprintf(stderr, "zeptview: %s; %s not written\n",
                 v.scriptFailure.empty() ? "no section to export" : v.scriptFailure.c_str(), v.options.exportFile.c_str());
    status = 2;
  } else if (!v.options.exportFile.empty() && !(v.wnd && v.wnd->SaveImage(v.options.exportFile))) {
    std::fprintf(stderr, "zeptview: could not write %s\n", v.options.exportFile.c_str());
    status = 2;
  }
  if (!v.options.screenshot.empty() && !snapshotWindow(v, v.options.screenshot)) {
    std::fprintf(stderr, "zeptview: could not write %s\n", v.options.screenshot.c_str());
    status = 2;
  }
  if (v.options.printState) {
    printArea(v);
    updateStatus(v);
    // The properties as the Copy button gives them, a line each.
    const std::string table = v.properties ? v.properties->text() : "";
    for (std::size_t at = 0, end; at < table.size(); at = end + 1) {
      end = table.find('\n', at);
      std::printf("property %s\n", table.substr(at, end - at).c_str());
    }
    std::fflush(stdout);
  }
  if (status != 0 || !v.options.screenshot.empty() || !v.options.exportFile.empty()) {
    g_object_set_data(G_OBJECT(v.app), "status", GINT_TO_POINTER(status));
    g_application_quit(G_APPLICATION(v.app));
  }
  return G_SOURCE_REMOVE;
}

// ---- the window -----------------------------------------------------------------

void onActivate(GtkApplication* app, gpointer data) {
  Viewer& v = *static_cast<Viewer*>(data);
  v.window = gtk_application_window_new(app);
  gtk_window_set_title(GTK_WINDOW(v.window), "zeptview");
  gtk_window_set_default_size(GTK_WINDOW(v.window), v.options.width, v.options.height);
  g_signal_connect(v.window, "close-request", G_CALLBACK(+[](GtkWindow*, gpointer data) -> gboolean {
                     rememberState(*static_cast<Viewer*>(data));
                     return FALSE;
                   }),
                   &v);
  // Ended by a signal, it still remembers the window's size.
  for (int signal : {SIGTERM, SIGINT, SIGHUP})
    g_unix_signal_add(signal, +[](gpointer data) -> gboolean {
      Viewer& v = *static_cast<Viewer*>(data);
      rememberState(v);
      g_application_quit(G_APPLICATION(v.app));
      return G_SOURCE_REMOVE;
    }, &v);

  GtkWidget* header = gtk_header_bar_new();
  GtkWidget* exportButton = gtk_button_new_with_label("Export…");
  gtk_widget_set_tooltip_text(exportButton, "Save the picture as PNG or SVG");
  g_signal_connect(exportButton, "clicked",
                   G_CALLBACK(+[](GtkButton*, gpointer data) { chooseFile(*static_cast<Viewer*>(data), true); }), &v);
  GtkWidget* openButton = gtk_button_new_with_label("Open DXF…");
  gtk_widget_set_tooltip_text(openButton, "Preview the section that a drawing's closed outlines make");
  g_signal_connect(openButton, "clicked",
                   G_CALLBACK(+[](GtkButton*, gpointer data) { chooseFile(*static_cast<Viewer*>(data), false); }), &v);
  GtkWidget* fitButton = gtk_button_new_with_label("Fit view");
  gtk_widget_set_tooltip_text(fitButton, "Undo the zoom: the whole section in the picture (Ctrl+0)");
  g_signal_connect(fitButton, "clicked", G_CALLBACK(+[](GtkButton*, gpointer data) { fitView(*static_cast<Viewer*>(data)); }),
                   &v);
  gtk_header_bar_pack_start(GTK_HEADER_BAR(header), openButton);
  gtk_header_bar_pack_start(GTK_HEADER_BAR(header), fitButton);
  gtk_header_bar_pack_end(GTK_HEADER_BAR(header), exportButton);
  gtk_window_set_titlebar(GTK_WINDOW(v.window), header);

  GtkWidget* inner = gtk_paned_new(GTK_ORIENTATION_HORIZONTAL);
  gtk_paned_set_start_child(GTK_PANED(inner), makePreview(v));
  gtk_paned_set_end_child(GTK_PANED(inner), makeSidePanel(v));
  gtk_paned_set_resize_end_child(GTK_PANED(inner), FALSE);
  gtk_paned_set_shrink_end_child(GTK_PANED(inner), FALSE);
  GtkWidget* outer = gtk_paned_new(GTK_ORIENTATION_HORIZONTAL);
  gtk_paned_set_start_child(GTK_PANED(outer), makeTree(v));
  gtk_paned_set_end_child(GTK_PANED(outer), inner);
  gtk_paned_set_resize_start_child(GTK_PANED(outer), FALSE);
  // Room for the descriptions where the window has it; the picture keeps the most.
  gtk_paned_set_position(GTK_PANED(outer), std::clamp(v.options.width * 3 / 10, 280, 400));
  gtk_paned_set_shrink_start_child(GTK_PANED(outer), FALSE);
  gtk_widget_set_vexpand(outer, TRUE);

  GtkWidget* bar = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
  gtk_widget_set_margin_start(bar, 8);
  gtk_widget_set_margin_end(bar, 8);
  gtk_widget_set_margin_top(bar, 3);
  gtk_widget_set_margin_bottom(bar, 3);
  v.status = gtk_label_new("Select a size in the tree");
  gtk_label_set_xalign(GTK_LABEL(v.status), 0);
  gtk_label_set_selectable(GTK_LABEL(v.status), TRUE);
  gtk_widget_set_hexpand(v.status, TRUE);
  v.message = gtk_label_new("");
  gtk_label_set_xalign(GTK_LABEL(v.message), 1);
  gtk_label_set_ellipsize(GTK_LABEL(v.message), PANGO_ELLIPSIZE_START);
  gtk_box_append(GTK_BOX(bar), v.status);
  gtk_box_append(GTK_BOX(bar), v.message);

  GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  gtk_box_append(GTK_BOX(column), outer);
  gtk_box_append(GTK_BOX(column), gtk_separator_new(GTK_ORIENTATION_HORIZONTAL));
  gtk_box_append(GTK_BOX(column), bar);
  gtk_window_set_child(GTK_WINDOW(v.window), column);

  GtkEventController* keys = gtk_event_controller_key_new();
  g_signal_connect(keys, "key-pressed", G_CALLBACK(onKeyPressed), &v);
  g_signal_connect(keys, "key-released", G_CALLBACK(onKeyReleased), &v);
  gtk_widget_add_controller(v.window, keys);
  GtkEventController* shortcuts = gtk_shortcut_controller_new();
  gtk_shortcut_controller_set_scope(GTK_SHORTCUT_CONTROLLER(shortcuts), GTK_SHORTCUT_SCOPE_GLOBAL);
  gtk_shortcut_controller_add_shortcut(
      GTK_SHORTCUT_CONTROLLER(shortcuts),
      gtk_shortcut_new(gtk_keyval_trigger_new(GDK_KEY_0, GDK_CONTROL_MASK),
                       gtk_callback_action_new(+[](GtkWidget*, GVariant*, gpointer data) -> gboolean {
                         fitView(*static_cast<Viewer*>(data));
                         return TRUE;
                       }, &v, nullptr)));
  gtk_widget_add_controller(v.window, shortcuts);

  zeptview::applySettings(v.settings, v.presenter);
  v.presenter.attachSection(&v.cs);
  v.presenter.setCurrentSection(0);

  size_t failed = 0;
  for (auto const& c : v.catalogs) failed += !c.error.empty();
  if (v.catalogs.empty()) setMessage(v, "no profile catalogs in the data or application folder");
  else if (failed) setMessage(v, std::to_string(failed) + " catalog(s) could not be read");

  if (!v.options.select.empty()) {
    const auto s = zeptview::findSize(v.catalogs, v.options.select);
    if (!s || !selectInTree(v, *s)) {
      v.scriptFailure = "no size " + v.options.select + " in " +
                        (v.catalogs.empty() ? std::string("any profile catalog of the data or application folder")
                                            : "the profile catalogs");
      setMessage(v, "no size " + v.options.select);
    }
  } else if (v.options.dxf.empty() && !v.remembered.selection.empty()) {
    // The last size shown, if the catalogs still hold it.
    if (const auto s = zeptview::findSize(v.catalogs, v.remembered.selection)) selectInTree(v, *s);
  }
  if (!v.options.dxf.empty()) openDrawing(v, v.options.dxf);
  gtk_window_present(GTK_WINDOW(v.window));
  // Scripted runs wait until the window has been laid out and painted.
  g_timeout_add(700, finishScripted, &v);
}

int usage() {
  std::fprintf(stderr,
               "usage: zeptview [--data DIR] [--app DIR] [--select \"CATALOG NAME DIMS\"] [--units mm|in]\n"
               "                [--dxf FILE] [--size WxH] [--screenshot FILE.png] [--export FILE.png|.svg]\n"
               "                [--print-state]\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  Viewer v;
  Options& o = v.options;
  if (const std::string refused = zept::tools::nonUtf8Argument("zeptview", argc, argv); !refused.empty()) {
    std::fprintf(stderr, "%s\n", refused.c_str());
    return 1;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) return false;
      into = argv[++i];
      return true;
    };
    std::string text;
    if (arg == "--data" ? !value(o.data)
        : arg == "--app" ? !value(o.app)
        : arg == "--select" ? !value(o.select)
        : arg == "--screenshot" ? !value(o.screenshot)
        : arg == "--export" ? !value(o.exportFile)
        : arg == "--dxf" ? !value(o.dxf)
        : false)
      return usage();
    if (arg == "--units") {
      if (!value(text) || (text != "mm" && text != "in")) return usage();
      o.inches = text == "in";
      o.givenUnits = true;
    } else if (arg == "--size") {
      if (!value(text) || std::sscanf(text.c_str(), "%dx%d", &o.width, &o.height) != 2 || o.width < 300 ||
          o.height < 200 || o.width > 10000 || o.height > 10000)
        return usage();
      o.givenSize = true;
    } else if (arg == "--print-state") {
      o.printState = true;
    } else if (arg == "--help" || arg == "-h") {
      usage();
      return 0;
    } else if (arg != "--data" && arg != "--app" && arg != "--select" && arg != "--screenshot" &&
               arg != "--export" && arg != "--dxf") {
      return usage();
    }
  }
  v.stateFile = zeptview::stateFile();
  zeptview::loadState(v.stateFile, v.remembered);
  v.remember = o.screenshot.empty() && o.exportFile.empty();
  v.settings = v.remembered.view;
  if (o.givenUnits) v.settings.inches = o.inches;
  if (!o.givenSize && v.remembered.width >= 300 && v.remembered.height >= 200)
    o.width = v.remembered.width, o.height = v.remembered.height;

  zept::tools::setFolderEnvironment(o.data, o.app,
                                    zept::tools::bundledDataDir(ZEPT_BUILD_DATA_DIR, ZEPT_INSTALLED_DATA_DIR));
  ZEPTEnvAppSet folders;
  setCFG(&folders);
  v.catalogs = zeptview::readProfileTree();

  v.app = gtk_application_new(nullptr, G_APPLICATION_NON_UNIQUE);
  g_signal_connect(v.app, "activate", G_CALLBACK(onActivate), &v);
  char* gtkArgv[] = {argv[0], nullptr};
  int status = g_application_run(G_APPLICATION(v.app), 1, gtkArgv);
  if (status == 0) status = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(v.app), "status"));
  g_object_unref(v.app);
  v.presenter.defineWindow(nullptr);
  setCFG(nullptr);
  return status;
}
