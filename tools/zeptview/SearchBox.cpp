// SPDX-License-Identifier: MIT
// The GTK search entry and its result list, which takes the catalog
// tree's place while the entry holds text.
#include "tools/zeptview/SearchBox.h"

#include <memory>
#include <string>

#include "tools/zeptview/Search.h"

namespace zeptview {

namespace {

// More rows than anyone scrolls through only slow the list down.
constexpr std::size_t kShown = 300;

struct SearchBox {
  std::vector<ProfileCatalog> const* catalogs = nullptr;
  std::function<void(Selection const&)> pick;
  GtkWidget* entry = nullptr;
  GtkWidget* stack = nullptr;
  GtkWidget* list = nullptr;
  GtkWidget* count = nullptr;
  std::vector<Selection> found;
};

std::string description(std::vector<ProfileCatalog> const& catalogs, Selection const& s) {
  for (auto const& c : catalogs)
    if (c.catalog == s.catalog)
      for (auto const& n : c.names)
        if (n.name == s.name) return n.description;
  return {};
}

void choose(SearchBox& box, std::size_t index) {
  if (index >= box.found.size()) return;
  const Selection s = box.found[index];
  // Emptying the entry shows the tree again, where the pick is selected.
  gtk_editable_set_text(GTK_EDITABLE(box.entry), "");
  box.pick(s);
}

void refresh(SearchBox& box) {
  const std::string text = gtk_editable_get_text(GTK_EDITABLE(box.entry));
  while (GtkWidget* row = gtk_widget_get_first_child(box.list)) gtk_list_box_remove(GTK_LIST_BOX(box.list), row);
  box.found = searchSizes(*box.catalogs, text, kShown + 1);
  const bool more = box.found.size() > kShown;
  if (more) box.found.pop_back();
  for (auto const& s : box.found) {
    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
    GtkWidget* size = gtk_label_new((s.name + " " + s.dims).c_str());
    gtk_label_set_xalign(GTK_LABEL(size), 0);
    GtkWidget* where = gtk_label_new((s.catalog + " · " + description(*box.catalogs, s)).c_str());
    gtk_label_set_xalign(GTK_LABEL(where), 0);
    gtk_label_set_ellipsize(GTK_LABEL(where), PANGO_ELLIPSIZE_END);
    gtk_widget_set_hexpand(where, TRUE);
    gtk_widget_add_css_class(where, "dim-label");
    gtk_box_append(GTK_BOX(row), size);
    gtk_box_append(GTK_BOX(row), where);
    gtk_list_box_append(GTK_LIST_BOX(box.list), row);
  }
  const std::string count = text.find_first_not_of(' ') == std::string::npos ? ""
                            : box.found.empty()                           ? "no size found"
                            : more ? "the first " + std::to_string(kShown) + " sizes found"
                                   : std::to_string(box.found.size()) + (box.found.size() == 1 ? " size" : " sizes");
  gtk_label_set_text(GTK_LABEL(box.count), count.c_str());
  gtk_stack_set_visible_child_name(GTK_STACK(box.stack), text.empty() ? "tree" : "found");
}

}  // namespace

GtkWidget* makeSearchBox(std::vector<ProfileCatalog> const& catalogs, GtkWidget* tree, GtkWidget* window,
                         std::function<void(Selection const&)> pick) {
  auto* box = new SearchBox;
  box->catalogs = &catalogs;
  box->pick = std::move(pick);
  GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 4);
  g_object_set_data_full(G_OBJECT(column), "search", box, [](gpointer p) { delete static_cast<SearchBox*>(p); });

  box->entry = gtk_search_entry_new();
  // (GTK 4.8 has no setter of its own for it)
  g_object_set(box->entry, "placeholder-text", "Search sizes: IPE 3, L 100x…", nullptr);
  gtk_widget_set_tooltip_text(box->entry, "Sizes of every catalog; Enter shows the first one found");
  gtk_search_entry_set_key_capture_widget(GTK_SEARCH_ENTRY(box->entry), window);
  gtk_widget_set_margin_start(box->entry, 4);
  gtk_widget_set_margin_end(box->entry, 4);
  gtk_widget_set_margin_top(box->entry, 4);
  box->count = gtk_label_new("");
  gtk_label_set_xalign(GTK_LABEL(box->count), 0);
  gtk_widget_set_margin_start(box->count, 8);
  gtk_widget_add_css_class(box->count, "dim-label");
  gtk_widget_set_visible(box->count, FALSE);

  box->list = gtk_list_box_new();
  gtk_list_box_set_selection_mode(GTK_LIST_BOX(box->list), GTK_SELECTION_BROWSE);
  gtk_list_box_set_activate_on_single_click(GTK_LIST_BOX(box->list), TRUE);
  g_signal_connect(box->list, "row-activated", G_CALLBACK(+[](GtkListBox*, GtkListBoxRow* row, gpointer data) {
                     choose(*static_cast<SearchBox*>(data), static_cast<std::size_t>(gtk_list_box_row_get_index(row)));
                   }),
                   box);
  GtkWidget* found = gtk_scrolled_window_new();
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(found), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
  gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(found), box->list);

  box->stack = gtk_stack_new();
  gtk_stack_add_named(GTK_STACK(box->stack), tree, "tree");
  gtk_stack_add_named(GTK_STACK(box->stack), found, "found");
  gtk_widget_set_vexpand(box->stack, TRUE);

  g_signal_connect(box->entry, "search-changed",
                   G_CALLBACK(+[](GtkSearchEntry*, gpointer data) { refresh(*static_cast<SearchBox*>(data)); }), box);
  g_signal_connect(box->entry, "activate",
                   G_CALLBACK(+[](GtkSearchEntry*, gpointer data) { choose(*static_cast<SearchBox*>(data), 0); }), box);
  // Down moves from the entry into the sizes found.
  GtkEventController* keys = gtk_event_controller_key_new();
  gtk_event_controller_set_propagation_phase(keys, GTK_PHASE_CAPTURE);
  g_signal_connect(keys, "key-pressed", G_CALLBACK(+[](GtkEventControllerKey*, guint keyval, guint, GdkModifierType,
                                                      gpointer data) -> gboolean {
                     auto& b = *static_cast<SearchBox*>(data);
                     GtkListBoxRow* first = gtk_list_box_get_row_at_index(GTK_LIST_BOX(b.list), 0);
                     if (keyval != GDK_KEY_Down || !first) return FALSE;
                     gtk_list_box_select_row(GTK_LIST_BOX(b.list), first);
                     gtk_widget_grab_focus(GTK_WIDGET(first));
                     return TRUE;
                   }),
                   box);
  gtk_widget_add_controller(box->entry, keys);
  g_signal_connect(box->entry, "stop-search", G_CALLBACK(+[](GtkSearchEntry* e, gpointer) {
                     gtk_editable_set_text(GTK_EDITABLE(e), "");
                   }),
                   nullptr);

  gtk_box_append(GTK_BOX(column), box->entry);
  gtk_box_append(GTK_BOX(column), box->count);
  gtk_box_append(GTK_BOX(column), box->stack);
  return column;
}

}  // namespace zeptview
