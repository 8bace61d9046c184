// Code that a compiler free to contract turns into fused multiply-adds, scalar
// and vector: built with contraction on, it shows that the object-code check
// (fused_multiply_add_test) recognises them on this instruction set.

float probeScalar(float a, float b, float c) { return a * b + c; }

void probeVector(float* __restrict x, const float* __restrict y, float a, int n) {
    for (int i = 0; i < n; ++i) x[i] = x[i] - a * y[i];
}
