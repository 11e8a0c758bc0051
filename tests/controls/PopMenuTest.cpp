// filled by the controls' tests
