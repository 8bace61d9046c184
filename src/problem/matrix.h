#pragma once
// Dense column-major arrays addressed from 1, so the numerical code reads like the
// textbook algorithms it follows: a(i, j) is row i, column j.

#include <cstddef>
#include <vector>

namespace corvane {

template <typename T>
class Matrix {
public:
    Matrix() = default;
    Matrix(int rows, int cols) : rows_(rows), cols_(cols), data_(count(rows, cols), T{}) {}

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    bool empty() const { return data_.empty(); }

    T& operator()(int i, int j) { return data_[index(i, j)]; }
    const T& operator()(int i, int j) const { return data_[index(i, j)]; }

    // Column j as a contiguous run of rows() values.
    T* column(int j) { return data_.data() + index(1, j); }
    const T* column(int j) const { return data_.data() + index(1, j); }

    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }

    void fill(T value) { data_.assign(data_.size(), value); }

    bool operator==(const Matrix&) const = default;

private:
    static std::size_t count(int rows, int cols) {
        return rows > 0 && cols > 0 ? static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols) : 0;
    }
    std::size_t index(int i, int j) const {
        return static_cast<std::size_t>(j - 1) * static_cast<std::size_t>(rows_) + static_cast<std::size_t>(i - 1);
    }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<T> data_;
};

// A vector addressed from 1.
template <typename T>
class Vector {
public:
    Vector() = default;
    explicit Vector(int size) : data_(size > 0 ? static_cast<std::size_t>(size) : 0, T{}) {}
    Vector(std::initializer_list<T> values) : data_(values) {}

    int size() const { return static_cast<int>(data_.size()); }
    bool empty() const { return data_.empty(); }

    T& operator()(int i) { return data_[static_cast<std::size_t>(i - 1)]; }
    const T& operator()(int i) const { return data_[static_cast<std::size_t>(i - 1)]; }

    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }

    void fill(T value) { data_.assign(data_.size(), value); }

    bool operator==(const Vector&) const = default;

private:
    std::vector<T> data_;
};

using RealMatrix = Matrix<float>;
using RealVector = Vector<float>;

}  // namespace corvane
