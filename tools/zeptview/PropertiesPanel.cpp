// SPDX-License-Identifier: MIT
// The properties panel as a GTK grid of labels, rebuilt whenever the facts
// or the units change; a difference out of tolerance is flagged.
#include "tools/zeptview/PropertiesPanel.h"

#include <cmath>
#include <cstdio>

namespace zeptview {

namespace {

GtkWidget* cell(GtkGrid* grid, std::string const& text, int column, int row, bool selectable) {
  GtkWidget* label = gtk_label_new(text.c_str());
  gtk_label_set_xalign(GTK_LABEL(label), column == 0 ? 0.0f : 1.0f);
  // Selectable for copying a single value; kept out of the focus chain so
  // that a value is not selected whole when the panel is refilled.
  gtk_label_set_selectable(GTK_LABEL(label), selectable);
  gtk_widget_set_focusable(label, FALSE);
  gtk_grid_attach(grid, label, column, row, 1, 1);
  return label;
}

GtkWidget* bold(GtkGrid* grid, std::string const& text, int column, int row, int span = 1) {
  GtkWidget* label = gtk_label_new(nullptr);
  char* markup = g_markup_printf_escaped("<b>%s</b>", text.c_str());
  gtk_label_set_markup(GTK_LABEL(label), markup);
  g_free(markup);
  gtk_label_set_xalign(GTK_LABEL(label), column == 0 ? 0.0f : 1.0f);
  // A group's title spans the table and gives way to the values.
  if (span > 1) gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
  gtk_grid_attach(grid, label, column, row, span, 1);
  return label;
}

}  // namespace

PropertiesPanel::PropertiesPanel(PropertyUnits units, std::function<void(PropertyUnits)> changed)
    : m_units(units), m_changed(std::move(changed)) {
  m_box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 4);
  gtk_widget_set_margin_start(m_box, 8);
  gtk_widget_set_margin_end(m_box, 8);
  gtk_widget_set_margin_bottom(m_box, 6);

  GtkWidget* bar = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
  GtkWidget* title = gtk_label_new(nullptr);
  gtk_label_set_markup(GTK_LABEL(title), "<b>Properties</b>");
  gtk_label_set_xalign(GTK_LABEL(title), 0);
  gtk_widget_set_hexpand(title, TRUE);
  GtkWidget* switcher = gtk_drop_down_new_from_strings((char const* const[]){"cm (tables)", "mm", "in", nullptr});
  gtk_widget_set_tooltip_text(switcher, "Units of the values: as the steel tables print them (dimensions in mm, "
                                        "section values in cm, cm², cm³, cm⁴, cm⁶), all in mm, or all in inches");
  gtk_drop_down_set_selected(GTK_DROP_DOWN(switcher), static_cast<guint>(m_units));
  g_signal_connect(switcher, "notify::selected", G_CALLBACK(+[](GObject* d, GParamSpec*, gpointer data) {
                     auto& panel = *static_cast<PropertiesPanel*>(data);
                     panel.m_units = static_cast<PropertyUnits>(gtk_drop_down_get_selected(GTK_DROP_DOWN(d)));
                     panel.fill();
                     if (panel.m_changed) panel.m_changed(panel.m_units);
                   }),
                   this);
  m_copy = gtk_button_new_with_label("Copy");
  gtk_widget_set_tooltip_text(m_copy, "Copy the whole table, tab-separated");
  g_signal_connect(m_copy, "clicked", G_CALLBACK(+[](GtkButton* b, gpointer data) {
                     auto& panel = *static_cast<PropertiesPanel*>(data);
                     gdk_clipboard_set_text(gtk_widget_get_clipboard(GTK_WIDGET(b)), panel.text().c_str());
                   }),
                   this);
  gtk_box_append(GTK_BOX(bar), title);
  gtk_box_append(GTK_BOX(bar), switcher);
  gtk_box_append(GTK_BOX(bar), m_copy);
  gtk_widget_set_margin_top(bar, 6);
  gtk_box_append(GTK_BOX(m_box), bar);

  m_grid = gtk_grid_new();
  gtk_grid_set_column_spacing(GTK_GRID(m_grid), 10);
  gtk_grid_set_row_spacing(GTK_GRID(m_grid), 1);
  gtk_box_append(GTK_BOX(m_box), m_grid);
  fill();
}

void PropertiesPanel::show(SectionFacts facts) {
  m_facts = std::move(facts);
  fill();
}

void PropertiesPanel::clear() { show(SectionFacts()); }

std::string PropertiesPanel::text() const { return propertyText(propertyTable(m_facts, m_units)); }

void PropertiesPanel::fill() {
  GtkGrid* grid = GTK_GRID(m_grid);
  while (GtkWidget* child = gtk_widget_get_first_child(m_grid)) gtk_grid_remove(grid, child);
  const auto table = propertyTable(m_facts, m_units);
  gtk_widget_set_sensitive(m_copy, !table.empty());
  int row = 0;
  bold(grid, "Value", 0, row);
  bold(grid, "Geometry", 1, row);
  bold(grid, "Catalog", 2, row);
  bold(grid, "Diff.", 3, row);
  for (auto const& group : table) {
    GtkWidget* title = bold(grid, group.title, 0, ++row, 4);
    gtk_widget_set_margin_top(title, 6);
    for (auto const& r : group.rows) {
      ++row;
      cell(grid, r.name + " [" + r.unit + "]", 0, row, false);
      cell(grid, r.geometry ? formatProperty(*r.geometry) : "-", 1, row, r.geometry.has_value());
      cell(grid, r.catalog ? formatProperty(*r.catalog) : "-", 2, row, r.catalog.has_value());
      char percent[32] = "-";
      if (r.difference) std::snprintf(percent, sizeof percent, "%+.2f %%", *r.difference * 100);
      GtkWidget* diff = cell(grid, percent, 3, row, false);
      if (r.flagged) gtk_widget_add_css_class(diff, "error");
    }
  }
}

}  // namespace zeptview
