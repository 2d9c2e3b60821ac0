// Controls keep the numbers the programs have always used. Each widget
// carries its number as the dynamic property "controlId"; lookups go
// through these helpers and never descend into a hosted page.
#pragma once

#include <QWidget>

namespace shell {

inline constexpr char kControlIdProperty[] = "controlId";
inline constexpr char kPageProperty[] = "hostedPage";

// The control with this number in window, outside any hosted page; nullptr
// when there is none.
QWidget* control(const QWidget* window, int id);

template <typename T>
T* controlAs(const QWidget* window, int id) {
    return qobject_cast<T*>(control(window, id));
}

void enableControl(const QWidget* window, int id, bool enable);

// Marks a widget as a hosted page so that lookups in its host skip it.
void markAsPage(QWidget* page);

}  // namespace shell
