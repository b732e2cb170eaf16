#pragma once

// The standard normal distribution function, from a table: the model asks
// for it some hundred thousand times per file, where std::erfc would cost
// more than reading the file.
double NormalCdf(double x);
