#pragma once
// The reports on classes across schools: class sizes of table 1.2, class counts of 9.1 and
// 9.2 against the divisor, target hours of 9.1 against 9.2 and the migration extract.
#include "output/bar_chart.h"
#include "shell/engine.h"

#include <array>
#include <vector>

namespace tev {

// Classes of more pupils than this are listed as large, of at most kSmallClass as small.
inline constexpr int kLargeClass = 34;
inline constexpr int kSmallClass = 10;
// Class sizes above this count in the totals but in no histogram bucket.
inline constexpr int kLargestCountedClass = 50;

// The class-size buckets of the distribution: 1..16, 17..20, 21..24, 25..28, 29 and more.
inline constexpr int kClassSizeBuckets = 5;
int ClassSizeBucket(int size);

// Classes per size 0..kLargestCountedClass of each level 5..11 (index 0..6).
struct ClassSizeHistogram {
    std::array<std::array<int, kLargestCountedClass + 1>, 7> counts{};
    void Add(int levelIndex, int size);
    int Classes(int levelIndex, int size) const;
};

// The bar chart of the distribution: the buckets along the axis, one series for all levels
// and one per level.
BarChart ClassSizeChart(const ClassSizeHistogram& histogram, const std::string& title);

void Klassenstrken1Click(Engine& engine);
void Klassenzahlenauswerten1Click(Engine& engine);
void Sollzahlen1Click(Engine& engine);
void Sonderauswertungen1Click(Engine& engine);

} // namespace tev
