// Filled in by the settings and chart-file work.
