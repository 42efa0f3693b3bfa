// SPDX-License-Identifier: MIT
// The properties panel: the table of Properties.h with a units switch and a
// button that copies the whole table; every value can be selected too.
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string>

#include "tools/zeptview/Properties.h"

namespace zeptview {

class PropertiesPanel {
 public:
  // `changed` hears of a units switch (to remember it).
  PropertiesPanel(PropertyUnits units, std::function<void(PropertyUnits)> changed);
  PropertiesPanel(PropertiesPanel const&) = delete;
  PropertiesPanel& operator=(PropertiesPanel const&) = delete;

  GtkWidget* widget() const { return m_box; }
  void show(SectionFacts facts);
  void clear();
  PropertyUnits units() const { return m_units; }
  // The table as shown, as the Copy button gives it.
  std::string text() const;

 private:
  void fill();

  PropertyUnits m_units;
  std::function<void(PropertyUnits)> m_changed;
  SectionFacts m_facts;
  GtkWidget* m_box = nullptr;
  GtkWidget* m_grid = nullptr;
  GtkWidget* m_copy = nullptr;
};

}  // namespace zeptview
