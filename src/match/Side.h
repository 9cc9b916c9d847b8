#pragma once

// One of the two teams, as the board places them: home on the left, the visitor on the right.
enum class Side { Home, Visitor };
