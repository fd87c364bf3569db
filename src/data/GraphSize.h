#pragma once

// The three graph sizes chosen on the entry window.
enum class GraphSize { Standard, Tall, Wide };
