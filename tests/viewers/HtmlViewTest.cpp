// filled by the HTML view's tests
